#!/usr/bin/env bash
# The intro's Debian package and the library's hold what they should, apart, and lintian finds no
# error in either.
source "$(dirname "$0")/lib.sh" "$1"

(cd "$BUILD" && cpack -G DEB -B "$WORK/package" >/dev/null) || fail "no packages"
contents() { dpkg-deb --contents "$(ls "$WORK"/package/"$1"_*.deb)"; }
contents afterglow-intro >intro.txt
contents afterglow-intro-dev >dev.txt
for file in games/afterglow games/afterglow-capture share/games/afterglow/vorn.mp3 \
    share/games/afterglow/timeline.toml share/man/man6/afterglow.6.gz \
    share/applications/afterglow.desktop; do
    grep -q "$file" intro.txt || fail "the intro's package lacks $file"
done
for file in pkgconfig/afterglow.pc cmake/Afterglow/AfterglowConfig.cmake libafterglow_draw.a \
    include/afterglow/draw/Camera.h; do
    grep -q "$file" dev.txt || fail "the library's package lacks $file"
done
! grep -q "afterglow.pc\|include/afterglow" intro.txt || fail "the intro's package holds the library"
for deb in "$WORK"/package/*.deb; do
    lintian "$deb" >lintian.txt 2>&1 || true
    ! grep '^E:' lintian.txt || fail "lintian reports errors in $deb"
done
