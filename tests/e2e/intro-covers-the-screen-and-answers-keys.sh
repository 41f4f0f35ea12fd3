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
seen=$(now_ms)
# The process started after it was launched and before its picture was seen: the clock when Space
# is read lies between the time since the picture was seen and the time since the launch.
before=$(($(now_ms) - seen))
press_space
after=$(($(now_ms) - STARTED_MS))
press_escape
value=$(cat out.txt)
[[ "$value" =~ ^[0-9]+$ ]] && [ "$value" -ge "$before" ] && [ "$value" -le "$after" ] ||
    fail "Space printed '$value', not in [$before, $after]"
echo "full screen covered; Space printed $value ms; Escape exits 0"
