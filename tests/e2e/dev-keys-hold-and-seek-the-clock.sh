#!/usr/bin/env bash
# With --dev, P holds the clock and Right seeks into the scene that time belongs to; with a
# tempo, Space prints the bar and beat too.
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

# With a tempo, Space under --dev prints the bar and beat the clock is in beside it (120 bpm, four
# to the bar: a beat is 500 ms); without --dev, the clock alone as ever.
cat >beats.toml <<'END'
bpm = 120
soundtrack = "data/vorn.mp3"
[[scene]]
end = "40:1"
[[scene.layer]]
colour = [0, 0, 0]
END
start_window "$BUILD/afterglow" --dev --timeline beats.toml --start 4500
press_space
read -r time barBeat <out.txt
beats=$((time / 500))
[ "$barBeat" = "$((beats / 4 + 1)):$((beats % 4 + 1))" ] || fail "--dev Space at $time ms printed '$barBeat'"
press_escape
start_window "$BUILD/afterglow" --timeline beats.toml --start 4500
press_space
grep -x '[0-9]*' out.txt >/dev/null || fail "Space without --dev printed '$(cat out.txt)'"
press_escape
