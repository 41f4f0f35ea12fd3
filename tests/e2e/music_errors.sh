# Each failure of the music start prints its one "Error: " line and exits 1 before any window.
source "$(dirname "$0")/lib.sh" "$@"
run_under_xvfb

# Runs the intro, watching that it never maps a window, and checks its exit code and output.
expect_music_error() {
    local expected=$1 label=$2
    shift 2
    start_intro "$@"
    local seen_window=no
    while kill -0 "$INTRO_PID" 2>/dev/null; do
        if xdotool search --onlyvisible --class intro >/dev/null 2>&1; then
            seen_window=yes
        fi
        sleep 0.05
    done
    wait_for_exit 10
    [ "$EXIT_CODE" = 1 ] || fail "$label: exit code $EXIT_CODE"
    [ "$seen_window" = no ] || fail "$label: a window was shown"
    [ "$(cat out.txt)" = "$expected" ] || fail "$label: printed '$(cat out.txt)', expected '$expected'"
    echo "$label: $expected"
}

rm -f data/vorn.mp3
expect_music_error "Error: File not found" "missing file"

mkdir data/vorn.mp3
expect_music_error "Error: File not found" "a folder in its place"
rmdir data/vorn.mp3

: >data/vorn.mp3
expect_music_error "Error: Unknown file format" "empty file"

head -c 100000 /dev/urandom >data/vorn.mp3
expect_music_error "Error: Unknown file format" "random bytes"

# An ID3 tag with no audio after it: it looks like MP3, but will not load.
{ printf 'ID3\x03\x00\x00\x00\x00\x00\x0a'; head -c 100000 /dev/zero; } >data/vorn.mp3
expect_music_error "Error: Error loading file" "a tag without a stream"

use_data vorn.mp3
SDL_AUDIODRIVER=no-such-driver expect_music_error "Error: Error initializing output device." "no output device"

LD_PRELOAD="$BUILD/tests/libold_mixer.so" expect_music_error \
    "Error: You have the wrong SDL_mixer version - you should be using SDL_mixer 2.6.0" "old library"
