# Left alone, the intro plays its 160 s timeline to the end and exits with code 0.
source "$(dirname "$0")/lib.sh" "$@"
run_under_xvfb
use_data vorn.mp3

start_intro
wait_for_exit 200
took=$(($(now_ms) - STARTED_MS))
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE: $(cat out.txt err.txt)"
[ "$took" -ge 160000 ] && [ "$took" -le 175000 ] || fail "the run took $took ms"
echo "ran $took ms, exit code 0"
