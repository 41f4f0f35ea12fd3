#!/usr/bin/env bash
# An encoder that reads nothing and never ends: a stop signal still ends the capture and the
# encoder with it, and so does killing the capture outright.
source "$(dirname "$0")/lib.sh" "$1"

make_solid_data
# A unique path finds the encoder's process.
mkdir hang
cp "$(command -v sleep)" hang/hung-encoder
printf '#!/bin/sh\nexec "%s" 1000\n' "$WORK/hang/hung-encoder" >hang/ffmpeg
chmod +x hang/ffmpeg
for stop in INT KILL; do
    start_intro env PATH="$WORK/hang:$PATH" "$BUILD/afterglow-capture" --to 86400000 --fps 240 --size 64x64 --output hang.mp4
    killed=$INTRO_PID
    wait_until "the hung encoder's start" pgrep -f "$WORK/hang/hung-encoder" -P "$INTRO_PID" >/dev/null
    kill -"$stop" "$INTRO_PID"
    wait_for_exit 20
    wait_until "the hung encoder's end after SIG$stop" eval '! pgrep -f "$WORK/hang/hung-encoder" >/dev/null'
    [ "$stop" = KILL ] || { [ "$EXIT_CODE" = 130 ] && grep -q "interrupted: hang.mp4 was not written: ffmpeg had to be ended before it finished it" err.txt; } ||
        fail "hung encoder, SIG$stop: exit code $EXIT_CODE: $(cat err.txt)"
done
# Only the capture killed outright leaves its temporary file.
rm -f ".hang.mp4.$killed.partial.mp4"
expect_no_partials
