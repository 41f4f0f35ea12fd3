#!/usr/bin/env bash
# Interrupted, intro-capture leaves the frames so far as a playable file, and its exit code names
# the signal.
source "$(dirname "$0")/lib.sh" "$1"

make_solid_data
for signal in INT TERM; do
    rm -f long.mp4
    start_long_capture
    kill -"$signal" "$INTRO_PID"
    wait_for_exit 20
    held=$(frames_of long.mp4)
    [ "$EXIT_CODE" = $((128 + $(kill -l "$signal"))) ] && [ "$held" -gt 0 ] &&
        grep -q "interrupted: long.mp4 is partial, it holds $held of 9600 frames" err.txt ||
        fail "SIG$signal: exit code $EXIT_CODE, $held frames: $(cat err.txt)"
done
expect_no_partials
