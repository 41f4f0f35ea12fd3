#!/usr/bin/env bash
# With --dev, the overlay and text layers need the fonts the intro loaded when it started: with no
# font table in the data folder the start says so and each report names the table; once one is
# copied in, it says that only a new start reads it, and the timeline playing goes on.
source "$(dirname "$0")/lib.sh" "$1" display

mkdir show
cp "$BUILD/content/vorn.mp3" show/music.mp3
convert -size 64x64 "xc:rgb(30,30,200)" show/a.png
timeline() {
    printf 'soundtrack = "music.mp3"\n[images]\na = "a.png"\n[[scene]]\nend = 600000\n'
    printf '[[scene.layer]]\nimage = "a"\n%s' "$1"
}
timeline "" | save_timeline
start_window "$BUILD/afterglow" --dev --data data --timeline show/timeline.toml
wait_for_centre 30,30,200 "the picture"
grep -qx "afterglow: --dev's overlay has no font to print with: data/fonts.data lists none or is missing; --data DIR names a folder that holds one" err.txt ||
    fail "no word of the missing font table: $(cat err.txt)"
timeline '[[scene.layer]]
text = "HELLO"
' | save_timeline
wait_until "report of the missing font table" grep -qx "show/timeline.toml:9:8: expected a font table for the text: data/fonts.data (name the data folder with --data)" err.txt
use_data fonts.data font_bold.tga font_mono.tga
timeline '[[scene.layer]]
text = "HELLO!"
' | save_timeline
wait_until "report of the fonts not loaded" grep -qx "show/timeline.toml:9:8: expected a font the intro has loaded: it reads the font table when it starts, and found none then; start it again to use data/fonts.data" err.txt
expect_colour "$(centre_colour)" 30,30,200 "the timeline playing plays on"
press_escape
