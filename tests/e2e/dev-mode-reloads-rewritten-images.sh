#!/usr/bin/env bash
# With --dev, an image rewritten in the --data folder shows within a second, while a broken
# rewrite keeps the old picture and is reported.
source "$(dirname "$0")/lib.sh" "$1" display

make_solid_data
mkdir other && mv data other/data
# Held at 60 s, in scene 4 (57004 to 68211 ms), on image 2.
start_window "$BUILD/afterglow" --dev --start 60000 --data other/data
xdotool key p
wait_for_centre "$(image_colour 2)" "scene 4"
before=$(now_ms)
convert -size 64x64 "xc:rgb(10,20,30)" -type TrueColor other/data/lobby_roboat.tga
wait_for_centre 10,20,30 "the rewritten image"
echo "a rewritten image showed after $(($(now_ms) - before)) ms"
head -c 100 /dev/urandom >other/data/lobby_roboat.tga
wait_until "report of the broken rewrite" grep -q '^Assertion failed' err.txt
wait_until "the broken rewrite named" grep -qx "other/data/lobby_roboat.tga: did not load; the picture before it stays" err.txt
expect_colour "$(centre_colour)" 10,20,30 "a broken rewrite keeps the picture"
press_escape
