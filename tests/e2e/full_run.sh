# Left alone, the intro plays its 160 s timeline to the end and exits with code 0. One image is
# missing: its loader report is on standard error, its scene draws untextured (white), and the
# scenes around it still show their own images. Resident memory, sampled every second, stays
# flat once the first scene is over.
source "$(dirname "$0")/lib.sh" "$@"
run_under_xvfb
use_data vorn.mp3
make_solid_images 1

start_intro
(while kill -0 "$INTRO_PID" 2>/dev/null; do
    echo "$(($(now_ms) - STARTED_MS)) $(awk '/^VmRSS/ {print $2}' /proc/"$INTRO_PID"/status 2>/dev/null)"
    sleep 1
done >rss.txt) &
wait_for_window
sleep_until 3000
expect_centre "$(image_colour 0)" "scene 0 at 3 s"
sleep_until 52000
expect_centre "255,255,255" "scene 3 at 52 s, its missing first image"
sleep_until 55500
expect_centre "$(image_colour 18)" "scene 3 at 55.5 s"
sleep_until 62000
expect_centre "$(image_colour 2)" "scene 4 at 62 s"
wait_for_exit 200
took=$(($(now_ms) - STARTED_MS))
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE: $(cat out.txt err.txt)"
[ "$took" -ge 160000 ] && [ "$took" -le 175000 ] || fail "the run took $took ms"
grep -q '^Assertion failed: false && "could not open texture file", file TGALoader.cpp, line [0-9]*$' err.txt ||
    fail "no loader report on standard error: $(cat err.txt)"
[ "$(wc -l <err.txt)" = 1 ] || fail "unexpected reports: $(cat err.txt)"
# After the first scene (from 8 s on): the lowest and highest sample, in KiB.
sleep 1
read -r low high count < <(awk '$1 >= 8000 && $2 != "" {n++; if (!lo || $2 < lo) lo = $2; if ($2 > hi) hi = $2}
    END {print lo, hi, n}' rss.txt)
[ "$count" -ge 120 ] || fail "only $count memory samples"
[ $((high - low)) -le 4096 ] || fail "resident memory moved from $low to $high KiB"
echo "ran $took ms, exit code 0; resident memory $low to $high KiB over $count samples"
