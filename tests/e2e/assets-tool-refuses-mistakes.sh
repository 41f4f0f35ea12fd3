#!/usr/bin/env bash
# afterglow-assets fails clearly without lame, refuses options and extra folders without writing
# anything, and prints its usage on --help.
source "$(dirname "$0")/lib.sh" "$1"

mkdir bin
expect_failure 1 "afterglow-assets: lame not found" env PATH="$WORK/bin" "$BUILD/afterglow-assets" nolame
expect_failure 2 "afterglow-assets: unknown option '--fast'" "$BUILD/afterglow-assets" --fast
expect_failure 2 "afterglow-assets: unexpected argument 'b'" "$BUILD/afterglow-assets" a b
expect_failure 2 "afterglow-assets: FOLDER names a folder, not ''" "$BUILD/afterglow-assets" ""
[ ! -e --fast ] && [ ! -e a ] || fail "afterglow-assets wrote a folder after a mistake"
"$BUILD/afterglow-assets" --help | grep '^usage: afterglow-assets' >/dev/null || fail "afterglow-assets --help prints no usage"
