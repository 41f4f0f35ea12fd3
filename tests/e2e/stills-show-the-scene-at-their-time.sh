#!/usr/bin/env bash
# afterglow-capture's stills show what the intro shows at their clock value; a still of one time is
# the same bytes with --data from elsewhere and through a FIFO (opened once).
source "$(dirname "$0")/lib.sh" "$1"

make_solid_data 2
# Image 2 (scene 4) half transparent: drawn after scene 1 it blends to half its colour.
convert -size 64x64 "xc:rgba(200,120,40,0.5)" -type TrueColorAlpha data/lobby_roboat.tga
for check in "7500 32 24 $(image_colour 0) scene 0 at its last millisecond" \
    "7501 2 2 $(image_colour 3) scene 1 above the scroller" \
    "53670 32 24 $(image_colour 18) scene 3 after its first switch" \
    "60000 32 24 100,60,20 scene 4: half alpha, blended as scene 1 left it" \
    "81511 32 24 $(image_colour 8) the flip-book's second frame" \
    "160001 32 24 0,0,0 the end: nothing drawn"; do
    read -r at x y colour label <<<"$check"
    "$BUILD/afterglow-capture" --at "$at" --size 64x48 --output "still-$at.png" 2>>capture.log || fail "still at $at"
    expect_colour "$(pixel_colour "still-$at.png" "$x" "$y")" "$colour" "$label (at $at ms)"
done
(mkdir elsewhere && cd elsewhere && "$BUILD/afterglow-capture" --at 7500 --size 64x48 --data ../data --output ../data-7500.png 2>/dev/null) &&
    cmp -s data-7500.png still-7500.png || fail "--data ../data drew another still"
mkfifo fifo.png
cat fifo.png >from-fifo.png &
"$BUILD/afterglow-capture" --at 7500 --size 64x48 --output fifo.png 2>/dev/null || { : >fifo.png; fail "still to a FIFO"; }
wait $!
cmp -s from-fifo.png still-7500.png || fail "the still through a FIFO differs"
