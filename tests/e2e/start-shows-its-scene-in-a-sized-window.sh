#!/usr/bin/env bash
# --start shows what a run from the start shows then; --window gives a window of that size. A
# start near the last millisecond a time can hold ends the run then, never going round to 0.
source "$(dirname "$0")/lib.sh" "$1" display

make_solid_data
# Scene 6 shows image 6 from 74411 to 81011 ms: seconds on screen, however slow the start.
start_window "$BUILD/intro" --start 75000 --window=800x600
wait_until "800x600 window" bash -c "xdotool search --onlyvisible --class intro getwindowgeometry | grep -q 'Geometry: 800x600'"
wait_for_centre "$(image_colour 6)" "--start 75000: scene 6's image"
press_escape
printf 'soundtrack = "vorn.mp3"\nimages = ["intro.tga"]\n[[scene]]\nend = 4294967295\n' >data/t.toml
start_intro "$BUILD/intro" --timeline data/t.toml --start 4294967290
wait_for_exit 20
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE after the last millisecond: $(cat err.txt)"
