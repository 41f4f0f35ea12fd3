#!/usr/bin/env bash
# --start shows what a run from the start shows then; --window gives a window of that size.
source "$(dirname "$0")/lib.sh" "$1" display

make_solid_data
# Scene 6 shows image 6 from 74411 to 81011 ms: seconds on screen, however slow the start.
start_window "$BUILD/intro" --start 75000 --window=800x600
wait_until "800x600 window" bash -c "xdotool search --onlyvisible --class intro getwindowgeometry | grep -q 'Geometry: 800x600'"
wait_for_centre "$(image_colour 6)" "--start 75000: scene 6's image"
press_escape
