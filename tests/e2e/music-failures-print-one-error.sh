#!/usr/bin/env bash
# Each failure of the music start prints its one "Error: " line (only that on standard output)
# and exits 1, before the window is even asked for (no display is needed to see it); a file the
# decoder still plays is played.
source "$(dirname "$0")/lib.sh" "$1"

expect_music() { # expected line, what it is
    local code=0
    env -u DISPLAY -u WAYLAND_DISPLAY "$BUILD/intro" >out.txt 2>/dev/null || code=$?
    [ "$code" = 1 ] && [ "$(cat out.txt)" = "$1" ] || fail "$2: exit code $code, printed '$(cat out.txt)'"
    rm -rf data/vorn.mp3
}
expect_music "Error: File not found" "missing file"
mkdir data/vorn.mp3
expect_music "Error: File not found" "a folder in its place"
mkfifo data/vorn.mp3
expect_music "Error: File not found" "a FIFO in its place"
: >data/vorn.mp3
expect_music "Error: Unknown file format" "empty file"
head -c 100000 /dev/urandom >data/vorn.mp3
expect_music "Error: Unknown file format" "random bytes"
# An ID3 tag with no audio after it: it looks like MP3, but will not load.
{ printf 'ID3\x03\x00\x00\x00\x00\x00\x0a'; head -c 100000 /dev/zero; } >data/vorn.mp3
expect_music "Error: Error loading file" "a tag without a stream"
# Half a stream still plays: the start goes on to the window, here missing.
head -c 500000 "$BUILD/data/vorn.mp3" >data/vorn.mp3
expect_music "Error: No display found: set DISPLAY, or run the intro under Xvfb" "the first half"
use_data vorn.mp3
SDL_AUDIODRIVER=no-such-driver expect_music "Error: Error initializing output device." "no output device"
# The sound library's own lines stay out when our line and the hint say it all.
use_data vorn.mp3
SDL_AUDIODRIVER=alsa AUDIODEV=hw:99 "$BUILD/intro" >out.txt 2>err.txt || true
[ "$(cat err.txt)" = "intro: to play without sound: SDL_AUDIODRIVER=dummy intro" ] ||
    fail "no output device: standard error holds: $(cat err.txt)"
# A soundtrack that is not there is named on standard error.
env -u DISPLAY "$BUILD/intro" --data "$WORK/nowhere" >out.txt 2>err.txt || true
[ "$(cat out.txt)" = "Error: File not found" ] && grep -qx "intro: the soundtrack: $WORK/nowhere/vorn.mp3" err.txt ||
    fail "missing soundtrack: printed '$(cat out.txt)', '$(cat err.txt)'"
use_data vorn.mp3
LD_PRELOAD="$BUILD/tests/libold_mixer.so" expect_music \
    "Error: You have the wrong SDL_mixer version - you should be using SDL_mixer 2.6.0" "old library"
