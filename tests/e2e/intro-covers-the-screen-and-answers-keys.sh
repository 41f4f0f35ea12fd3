#!/usr/bin/env bash
# Full screen the intro covers the whole virtual screen, Space prints the clock in ms since the
# process started, and Escape ends the run with exit code 0.
source "$(dirname "$0")/lib.sh" "$1" display

use_data vorn.mp3 fonts.data font_bold.tga font_mono.tga # no images: every quad draws white
start_window
# Every frame is the same white quad: once one is on screen the picture holds still.
screen_covered() {
    import -window root shot.png && [ "$(convert shot.png -colorspace gray -format '%[fx:minima]' info:)" = 1 ]
}
wait_until "screen covered by the white quad" screen_covered
before=$(($(now_ms) - STARTED_MS))
press_space
after=$(($(now_ms) - STARTED_MS))
press_escape
value=$(cat out.txt)
# The process starts a little after it was launched, so its clock may lag a little.
[[ "$value" =~ ^[0-9]+$ ]] && [ "$value" -ge $((before - 1000)) ] && [ "$value" -le "$after" ] ||
    fail "Space printed '$value', not in [$before, $after]"
echo "full screen covered; Space printed $value ms; Escape exits 0"
