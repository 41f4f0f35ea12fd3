#!/usr/bin/env bash
# The encoder gone, afterglow-capture stops at once, with the reason, and leaves no file.
source "$(dirname "$0")/lib.sh" "$1"

make_solid_data
start_long_capture
pkill -KILL -P "$INTRO_PID" -x ffmpeg
wait_for_exit 10
[ "$EXIT_CODE" = 1 ] && grep -q "ffmpeg failed after" err.txt && [ ! -e long.mp4 ] || fail "ffmpeg killed: $EXIT_CODE, $(cat err.txt)"
expect_no_partials
