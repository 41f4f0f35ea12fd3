#!/usr/bin/env bash
# The three Debian packages hold what they should, apart: the programs, their data (architecture
# all, at the programs' own version) and the library with the example's source; the installed
# README is the one for installed use, and lintian finds neither error nor warning.
source "$(dirname "$0")/lib.sh" "$1"

(cd "$BUILD" && cpack -G DEB -B "$WORK/package" >/dev/null) || fail "no packages"
deb() { ls "$WORK"/package/"$1"_*.deb; }
contents() { dpkg-deb --contents "$(deb "$1")"; }
contents afterglow-intro >intro.txt
contents afterglow-intro-data >data.txt
contents afterglow-intro-dev >dev.txt
for file in games/afterglow games/afterglow-capture share/man/man6/afterglow.6.gz \
    share/applications/afterglow.desktop doc/afterglow-intro/README; do
    grep -q "$file" intro.txt || fail "the intro's package lacks $file"
done
for file in share/games/afterglow/vorn.mp3 share/games/afterglow/timeline.toml; do
    grep -q "$file" data.txt || fail "the data's package lacks $file"
done
for file in pkgconfig/afterglow.pc cmake/Afterglow/AfterglowConfig.cmake libafterglow_draw.a \
    include/afterglow/draw/Camera.h doc/afterglow-intro-dev/examples/text_overlay.cpp; do
    grep -q "$file" dev.txt || fail "the library's package lacks $file"
done
! grep -q "afterglow.pc\|include/afterglow\|share/games" intro.txt || fail "the intro's package holds another's files"
version=$(dpkg-deb -f "$(deb afterglow-intro)" Version)
[[ $version == *-1 ]] || fail "no Debian revision in $version"
[ "$(dpkg-deb -f "$(deb afterglow-intro-data)" Architecture)" = all ] || fail "the data is not architecture all"
dpkg-deb -f "$(deb afterglow-intro)" Depends | grep -F "afterglow-intro-data (= $version)" >/dev/null ||
    fail "the intro does not depend on its data at its own version"
dpkg-deb --fsys-tarfile "$(deb afterglow-intro)" | tar -xO ./usr/share/doc/afterglow-intro/README |
    grep '^    afterglow$' >/dev/null || fail "the installed README is not the one for installed use"
for package in afterglow-intro afterglow-intro-data afterglow-intro-dev; do
    # Built from a /usr/local tree, the library's afterglow.pc lies outside the multiarch folder
    # that make package (built for /usr) puts it in.
    lintian "$(deb $package)" 2>&1 | grep -v "root privileges\|pkg-config-unavailable-for-cross-compilation" >lintian.txt || true
    ! grep '^[EW]:' lintian.txt || fail "lintian reports on $package"
done
