# intro-capture: stills show what the intro shows at their clock value (scene boundaries, switches
# within scenes, the flip-book, the blending scene 1 leaves on), stills are reproducible, a short
# video has its frames, length and soundtrack, and every failure is one clear line.
source "$(dirname "$0")/lib.sh" "$@"
use_data vorn.mp3
make_solid_images 2
# Image 2 (scene 4) half transparent: drawn after scene 1 it blends to half its colour.
convert -size 64x64 "xc:rgba(200,120,40,0.5)" -type TrueColorAlpha data/lobby_roboat.tga
HALF="100,60,20"

capture() { "$BUILD/intro-capture" "$@" 2>>capture.log; }

# Fails unless the 64x48 still at time $1 shows colour $4 at pixel ($2, $3); $5 names it.
check_still() {
    capture --at "$1" --size 64x48 --output "still-$1.png" || fail "still at $1 failed: $(cat capture.log)"
    expect_colour "$(pixel_colour "still-$1.png" "$2" "$3")" "$4" "$5 (at $1 ms)"
}

# time, pixel, expected colour, what it shows
check_still 0 32 24 "$(image_colour 0)" "scene 0 at its start"
check_still 7500 32 24 "$(image_colour 0)" "scene 0 at its last millisecond"
check_still 7501 2 2 "$(image_colour 3)" "scene 1 above the scroller"
check_still 52669 32 24 "$(image_colour 1)" "scene 3 before its first switch"
check_still 53670 32 24 "$(image_colour 18)" "scene 3 after it"
check_still 60000 32 24 "$HALF" "scene 4: half alpha, blended as scene 1 left it"
check_still 81012 32 24 "$(image_colour 7)" "the flip-book's first frame"
check_still 81511 32 24 "$(image_colour 8)" "its second"
check_still 91010 32 24 "$(image_colour 11)" "its last"
check_still 91011 32 24 "$(image_colour 12)" "after it"
check_still 96011 32 24 "$(image_colour 13)" "scene 8 at 3000 ms in"
check_still 96012 32 24 "$(image_colour 14)" "scene 8 past it"
check_still 160000 32 24 "$(image_colour 17)" "the last millisecond"
check_still 160001 32 24 "0,0,0" "the end: nothing drawn"

capture --at 20000 --size 64x48 --output again.png || fail "still failed"
capture --at 20000 --size 64x48 --output again2.png || fail "still failed"
cmp -s again.png again2.png || fail "two stills of the same time differ"
echo "two stills of 20000 ms are byte-identical"

capture --from 40000 --to 42000 --fps 10 --size 320x200 --output short.mp4 || fail "video failed: $(cat capture.log)"
frames=$(ffprobe -v error -count_frames -select_streams v:0 -show_entries stream=nb_read_frames -of csv=p=0 short.mp4)
duration=$(ffprobe -v error -select_streams v:0 -show_entries stream=duration -of csv=p=0 short.mp4)
audio=$(ffprobe -v error -select_streams a -show_entries stream=codec_type -of csv=p=0 short.mp4)
[ "$frames" = 20 ] || fail "the video has $frames frames"
[ "$duration" = 2.000000 ] || fail "the video lasts $duration s"
[ "$audio" = audio ] || fail "the video has no audio stream"
grep -q "wrote 20 frames" capture.log || fail "no closing progress line: $(cat capture.log)"
echo "video: $frames frames, $duration s, with audio"

# Each failure: one line naming it, a non-zero exit code.
expect_failure() {
    local expected=$1 code=0
    shift
    "$@" 2>err.txt >/dev/null || code=$?
    [ "$code" != 0 ] || fail "succeeded: $*"
    head -n 1 err.txt | grep -q -- "$expected" || fail "for '$*' printed: $(cat err.txt)"
    echo "failure: $(head -n 1 err.txt)"
}
expect_failure "unknown option '--speed'" "$BUILD/intro-capture" --speed 2 --output x.mp4
grep -q '^usage: intro-capture' err.txt || fail "no usage text after an unknown option"
expect_failure "--at takes milliseconds" "$BUILD/intro-capture" --at soon --output x.png
expect_failure "cannot write /no/such/folder/x.png" "$BUILD/intro-capture" --at 5 --output /no/such/folder/x.png
mkdir bin
ln -s "$(command -v sh)" bin/sh
expect_failure "ffmpeg not found" env PATH="$WORK/bin" "$BUILD/intro-capture" --to 100 --output x.mp4
printf '#!/bin/sh\ncat >/dev/null\nexit 1\n' >bin/ffmpeg
chmod +x bin/ffmpeg
ln -s "$(command -v cat)" bin/cat
expect_failure "ffmpeg failed" env PATH="$WORK/bin" "$BUILD/intro-capture" --to 100 --size 64x48 --output x.mp4
