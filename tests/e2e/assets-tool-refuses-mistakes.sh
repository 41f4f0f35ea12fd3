#!/usr/bin/env bash
# intro-assets fails clearly without lame, refuses options and extra folders without writing
# anything, and prints its usage on --help.
source "$(dirname "$0")/lib.sh" "$1"

mkdir bin
expect_failure 1 "intro-assets: lame not found" env PATH="$WORK/bin" "$BUILD/intro-assets" nolame
expect_failure 2 "intro-assets: unknown option '--fast'" "$BUILD/intro-assets" --fast
expect_failure 2 "intro-assets: unexpected argument 'b'" "$BUILD/intro-assets" a b
[ ! -e --fast ] && [ ! -e a ] || fail "intro-assets wrote a folder after a mistake"
"$BUILD/intro-assets" --help | grep -q '^usage: intro-assets' || fail "intro-assets --help prints no usage"
