#!/usr/bin/env bash
# With --dev, P holds the clock and Right seeks into the scene that time belongs to.
source "$(dirname "$0")/lib.sh" "$1" display

make_solid_data
start_window "$BUILD/afterglow" --dev --start 52000
xdotool key p
press_space
# Paused between 52 and 63 s: Right lands in scene 4 (57004 to 68211 ms), image 2.
press_space 2
xdotool key p Right
[ "$(sort -u out.txt | wc -l)" = 1 ] || fail "two Spaces while paused printed: $(cat out.txt)"
xdotool key p
wait_for_centre "$(image_colour 2)" "Right from 52 s: scene 4"
press_escape
