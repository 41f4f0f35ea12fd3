#!/usr/bin/env bash
# Under valgrind memcheck the intro, for a short run (start-up, frames, Escape, the at-exit
# teardowns), shows no invalid access and no definite leak.
source "$(dirname "$0")/lib.sh" "$1" display

make_solid_data
start_window "${MEMCHECK[@]}" --log-file=intro.log "$BUILD/afterglow"
# Space answers once frames are being drawn and keys read: then Escape.
WAIT_S=120 press_space
xdotool key Escape
wait_for_exit 120
[ "$EXIT_CODE" = 0 ] && grep -q "ERROR SUMMARY: 0 errors" intro.log ||
    fail "intro under valgrind: exit code $EXIT_CODE: $(grep -A40 -E 'Invalid|definitely lost in' intro.log | head -80)"
