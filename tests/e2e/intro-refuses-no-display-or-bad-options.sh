#!/usr/bin/env bash
# With no display the intro refuses to play invisibly (exit code 1) and says why; a bad option
# stops it with exit code 2 and its usage, before any window or sound; --help prints the usage,
# and --version (the capture tool's too) the program's name and version.
source "$(dirname "$0")/lib.sh" "$1"

use_data vorn.mp3
expect_failure 1 "Error: No display found" env -u DISPLAY -u WAYLAND_DISPLAY "$BUILD/afterglow"
grep -qx "afterglow: no X11 or Wayland display could be opened (DISPLAY is not set); SDL picked its 'offscreen' video driver, which shows nothing" err.txt ||
    fail "no reason for the missing display: $(cat err.txt)"
expect_failure 2 "afterglow: unknown option '--fullscreen'" "$BUILD/afterglow" --fullscreen
grep -q '^usage: afterglow' err.txt || fail "no usage after a bad option"
"$BUILD/afterglow" --help | grep -- '--dev' >/dev/null || fail "--help prints no usage"
for program in afterglow afterglow-capture; do
    [[ "$("$BUILD/$program" --version)" =~ ^$program\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "$program --version"
done
