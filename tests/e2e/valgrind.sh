# Under valgrind memcheck: the intro for a short run (start-up, several frames, Escape, the at-exit
# teardowns) and intro-capture writing a short video show no invalid access and no definite leak.
# Reports of the libraries below us are listed, each with its reason, in tests/valgrind.supp.
source "$(dirname "$0")/lib.sh" "$@"
run_under_xvfb
use_data vorn.mp3 font_sans.tga font_mono.tga fonts.data
make_solid_images

SUPPRESSIONS="$(cd "$(dirname "$0")/.." && pwd)/valgrind.supp"
memcheck() {
    LP_NUM_THREADS=0 valgrind --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite \
        --show-leak-kinds=definite --num-callers=40 --suppressions="$SUPPRESSIONS" --log-file="$1" "${@:2}"
}

STARTED_MS=$(now_ms)
memcheck intro.log "$BUILD/intro" >out.txt 2>err.txt &
INTRO_PID=$!
wait_for_window
sleep 4
xdotool key Escape
wait_for_exit 120
[ "$EXIT_CODE" = 0 ] || fail "intro under valgrind: exit code $EXIT_CODE: $(grep -A20 -E 'Invalid|definitely lost in' intro.log | head -60)"
grep -q "ERROR SUMMARY: 0 errors" intro.log || fail "intro: $(grep 'ERROR SUMMARY' intro.log)"
echo "intro: $(grep 'ERROR SUMMARY' intro.log | tail -n 1 | cut -d' ' -f2-)"

code=0
memcheck capture.log "$BUILD/intro-capture" --from 7000 --to 8000 --fps 10 --size 64x48 --output v.mp4 2>/dev/null || code=$?
[ "$code" = 0 ] || fail "intro-capture under valgrind: exit code $code: $(grep -A20 -E 'Invalid|definitely lost in' capture.log | head -60)"
echo "intro-capture: $(grep 'ERROR SUMMARY' capture.log | tail -n 1 | cut -d' ' -f2-)"
