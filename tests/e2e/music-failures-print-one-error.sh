#!/usr/bin/env bash
# Each failure of the music start prints its one "Error: " line (only that on standard output)
# and exits 1, before the window is even asked for (no display is needed to see it); a file the
# decoder still plays is played.
source "$(dirname "$0")/lib.sh" "$1"

# What is in the soundtrack's place (and the surroundings) | the line | what it is
while IFS='|' read -r setup expected what; do
    (
        rm -rf data/vorn.mp3 && eval "$setup"
        env -u DISPLAY -u WAYLAND_DISPLAY "$BUILD/afterglow" >out.txt 2>/dev/null || code=$?
        [ "${code:-0}" = 1 ] && [ "$(cat out.txt)" = "$expected" ] || fail "$what: exit code ${code:-0}, printed '$(cat out.txt)'"
    )
done <<'TABLE'
mkdir data/vorn.mp3|Error: File not found|a folder in its place
: >data/vorn.mp3|Error: Unknown file format|empty file
{ printf 'ID3\x03\x00\x00\x00\x00\x00\x0a'; head -c 100000 /dev/zero; } >data/vorn.mp3|Error: Error loading file|an ID3 tag with no audio after it
head -c 500000 "$BUILD/content/vorn.mp3" >data/vorn.mp3|Error: No display found: set DISPLAY, or run the intro under Xvfb|half a stream plays: the start goes on to the window
use_data vorn.mp3 && export SDL_AUDIODRIVER=no-such-driver|Error: Error initializing output device.|no output device
use_data vorn.mp3 && export LD_PRELOAD="$BUILD/tests/libold_mixer.so"|Error: You have the wrong SDL_mixer version - you should be using SDL_mixer 2.6.0|an old library
TABLE
# The sound library's own lines stay out when our line and the hint say it all.
use_data vorn.mp3
SDL_AUDIODRIVER=alsa AUDIODEV=hw:99 "$BUILD/afterglow" >out.txt 2>err.txt || true
[ "$(cat err.txt)" = "afterglow: to play without sound: SDL_AUDIODRIVER=dummy afterglow" ] ||
    fail "no output device: standard error holds: $(cat err.txt)"
# A soundtrack that is not there is named on standard error.
env -u DISPLAY "$BUILD/afterglow" --data "$WORK/nowhere" >out.txt 2>err.txt || code=$?
[ "${code:-0}" = 1 ] && [ "$(cat out.txt)" = "Error: File not found" ] && grep -qx "afterglow: the soundtrack: $WORK/nowhere/vorn.mp3" err.txt &&
    grep -qx "afterglow: --data DIR names a folder of the intro's data; afterglow-assets DIR makes one" err.txt ||
    fail "missing soundtrack: exit code ${code:-0}, printed '$(cat out.txt)', '$(cat err.txt)'"
