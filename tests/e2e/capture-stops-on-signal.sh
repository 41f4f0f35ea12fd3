#!/usr/bin/env bash
# Interrupted, afterglow-capture leaves the frames so far as a playable file, or no still and no
# temporary file, and its exit code names the signal. The temporary folder cannot be written
# (missing here, as when it is full): nothing the capture or ffmpeg keeps goes there.
source "$(dirname "$0")/lib.sh" "$1"

export TMPDIR=$WORK/no-such-folder
make_solid_data
for signal in INT TERM HUP; do
    rm -f long.mp4
    start_long_capture
    kill -"$signal" "$INTRO_PID"
    wait_for_exit 20
    held=$(frames_of long.mp4)
    [ "$EXIT_CODE" = $((128 + $(kill -l "$signal"))) ] && [ "$held" -gt 0 ] &&
        grep -q "interrupted: long.mp4 is partial, it holds $held of 9600 frames" err.txt ||
        fail "SIG$signal: exit code $EXIT_CODE, $held frames: $(cat err.txt)"
done
# A still stopped while its images load: held (SIGSTOP) once its temporary file is there, and so
# never finished before the signal, which it takes on waking; it loads no image after the one
# at hand (the later ones are missing, and would each be reported).
{ printf '\0\0\2\0\0\0\0\0\0\0\0\0\0\40\0\40\30\0' && head -c $((8192 * 8192 * 3)) /dev/zero; } >data/s1.tga
for n in $(seq 6 25); do rm "data/${IMAGE_FILES[$n]}.tga"; done
for signal in INT TERM HUP; do
    start_intro "$BUILD/afterglow-capture" --at 70000 --size 64x48 --output still.png
    wait_until "the still's temporary file" test -e ".still.png.$INTRO_PID.partial"
    kill -STOP "$INTRO_PID" && kill -"$signal" "$INTRO_PID" && kill -CONT "$INTRO_PID"
    wait_for_exit 20
    [ "$EXIT_CODE" = $((128 + $(kill -l "$signal"))) ] && [ ! -e still.png ] &&
        grep -q "interrupted: still.png was not written" err.txt && ! grep -q "could not open" err.txt ||
        fail "a still on SIG$signal: exit code $EXIT_CODE: $(cat err.txt)"
done
expect_no_partials
