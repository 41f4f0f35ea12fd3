#!/usr/bin/env bash
# The Debian package holds what it should, and lintian finds no error in it.
source "$(dirname "$0")/lib.sh" "$1"

(cd "$BUILD" && cpack -G DEB -B "$WORK/package" >/dev/null) || fail "no package"
deb=$(ls "$WORK"/package/afterglow-intro_*.deb)
dpkg-deb --contents "$deb" >contents.txt
for file in games/afterglow games/afterglow-capture share/games/afterglow/vorn.mp3 \
    share/man/man6/afterglow.6.gz share/applications/afterglow.desktop afterglow.pc; do
    grep -q "$file" contents.txt || fail "the package lacks $file"
done
lintian "$deb" >lintian.txt 2>&1 || true
! grep '^E:' lintian.txt || fail "lintian reports errors"
