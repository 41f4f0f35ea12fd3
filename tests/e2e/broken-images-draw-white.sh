#!/usr/bin/env bash
# One image missing, a folder, a FIFO or not a TGA file: it is reported and drawn untextured while
# the others still show. Nothing crashes, nothing hangs. (The decoder's reports of each other
# fault in a file are checked where it is decoded.)
source "$(dirname "$0")/lib.sh" "$1"

make_solid_data
cp data/intro.tga intro.tga
declare -A report=([missing]="could not open texture file" [folder]="could not open texture file"
    [fifo]="could not open texture file" [header]="TGA file be type 2 or type 10: Invalid Image")
for fault in missing header folder fifo; do
    break_file "$fault" data/intro.tga intro.tga
    expect_failure 3 "1 of 26 images did not load (data/intro.tga); the still shows them white" timeout 20 "$BUILD/afterglow-capture" --at 3000 --size 64x48 --output still.png
    [ "$(pixel_colour still.png 32 24)" = 255,255,255 ] || fail "image $fault: not drawn untextured"
    grep -qx "Assertion failed: false && \"${report[$fault]}\", file TGALoader.cpp, line [0-9]*" err.txt ||
        fail "image $fault: report missing: $(cat err.txt)"
    timeout 20 "$BUILD/afterglow-capture" --at 62000 --size 64x48 --output other.png 2>/dev/null || [ $? = 3 ] ||
        fail "image $fault: no still of image 2"
    [ "$(pixel_colour other.png 32 24)" = "$(image_colour 2)" ] || fail "image $fault: image 2 harmed"
done
