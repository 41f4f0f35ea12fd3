#!/usr/bin/env bash
# Each picture's origin flag says which way its rows run: the generated full-screen images run
# bottom row first, the scroll text and the font atlases top row first. Retouched the README's way
# in ImageMagick, a picture shows upright in the intro.
source "$(dirname "$0")/lib.sh" "$1"

for f in intro:00 s3:00 scrolltext:20 font_mono:20; do
    [ "$(xxd -s 17 -l 1 -p "$BUILD/content/${f%:*}.tga")" = "${f#*:}" ] || fail "${f%:*}.tga: wrong origin flag"
done
# A red square at the top-left of s1 (image 5, on screen in scene 5) is at the still's top-left.
use_data s1.tga vorn.mp3
convert data/s1.tga -auto-orient -fill red -draw 'rectangle 0,0 127,127' -flip -orient BottomLeft -type TrueColor data/s1.tga
[ "$(xxd -s 16 -l 1 -p data/s1.tga)" = 18 ] || fail "the recipe did not keep s1 at 24 bits"
# The other 25 images are missing: the still is written, and the exit code says so.
expect_failure 3 "25 of 26 images did not load" "$BUILD/afterglow-capture" --at 70000 --size 64x64 --output s1.png
expect_colour "$(pixel_colour s1.png 3 3)" 255,0,0 "retouched s1: the square at the top-left"
[ "$(pixel_colour s1.png 3 60)" != 255,0,0 ] || fail "retouched s1 shows upside-down"
