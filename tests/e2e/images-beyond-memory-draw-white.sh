#!/usr/bin/env bash
# Images that would leave too little memory for drawing are refused and drawn white, as a broken
# image is, and the others load: whatever the process's memory limit, nothing crashes.
source "$(dirname "$0")/lib.sh" "$1"

use_data vorn.mp3
# 100 full-HD pictures, and 1024 pictures each just under the size whose room is read alone.
convert -size 1920x1080 "xc:rgb(10,200,30)" -type TrueColor data/big.tga
convert -size 511x511 "xc:rgb(10,200,30)" -type TrueColor data/small.tga
for picture in big:100 small:1024; do
    {
        printf 'soundtrack = "vorn.mp3"\nimages = ['
        printf '"%s.tga", ' $(yes "${picture%:*}" | head -n $((${picture#*:} - 1)))
        printf '"%s.tga"]\n[[scene]]\nend = 1000\nimage = %d\n' "${picture%:*}" $((${picture#*:} - 1))
    } >data/${picture%:*}.toml
done
for run in big:800 big:1200 big:1600 small:1000 small:1800; do
    code=0
    (ulimit -v $((${run#*:} * 1024)) &&
        exec "$BUILD/intro-capture" --timeline data/${run%:*}.toml --at 0 --size 64x48 --output still.png) 2>err.txt || code=$?
    [ "$code" = 3 ] && grep -q "images did not load" err.txt ||
        fail "$run MB: exit code $code: $(grep -v Assertion err.txt)"
    [ "$(pixel_colour still.png 32 24)" = 255,255,255 ] || fail "$run MB: the last image not white"
    echo "$run MB: $(grep "did not load" err.txt)"
done
expect_no_partials
