#!/usr/bin/env bash
# Names with quotes, shell syntax or a leading dash are file names, nothing else.
source "$(dirname "$0")/lib.sh" "$1"

make_solid_data
for name in "x'\$(touch PWNED)'.mp4" "bob's intro.mp4" "-x.mp4"; do
    "$BUILD/intro-capture" --to 300 --fps 10 --size 64x48 --output "$name" 2>/dev/null || fail "video '$name' failed"
    [ ! -e PWNED ] && [ "$(frames_of "./$name")" = 3 ] || fail "video '$name' was not written as named"
done
expect_no_partials
