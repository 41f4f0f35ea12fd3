#!/usr/bin/env bash
# Images that would leave too little memory for drawing are refused and drawn white, as a broken
# image is, and the others load: whatever the process's memory limit, nothing crashes.
source "$(dirname "$0")/lib.sh" "$1"

use_data vorn.mp3
convert -size 1920x1080 "xc:rgb(10,200,30)" -type TrueColor data/big.tga
{
    printf 'soundtrack = "vorn.mp3"\nimages = ['
    printf '"big.tga", %.0s' $(seq 99)
    printf '"big.tga"]\n[[scene]]\nend = 1000\nimage = 99\n'
} >data/t.toml
for megabytes in 800 1200 1600; do
    code=0
    (ulimit -v $((megabytes * 1024)) &&
        exec "$BUILD/intro-capture" --timeline data/t.toml --at 0 --size 64x48 --output still.png) 2>err.txt || code=$?
    [ "$code" = 3 ] && grep -q "of 100 images did not load" err.txt ||
        fail "limit $megabytes MB: exit code $code: $(grep -v Assertion err.txt)"
    [ "$(pixel_colour still.png 32 24)" = 255,255,255 ] || fail "limit $megabytes MB: the last image not white"
    echo "limit $megabytes MB: $(grep "did not load" err.txt)"
done
expect_no_partials
