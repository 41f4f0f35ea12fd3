#!/usr/bin/env bash
# With --dev, a saved change to the timeline file shows within a second, the scene following the
# clock; a broken save is reported once, with its line and column, and the timeline playing goes on;
# a picture saved at the same moment is reloaded too.
source "$(dirname "$0")/lib.sh" "$1" display

make_solid_data
mkdir show
cp data/vorn.mp3 show/music.mp3 && cp data/intro.tga show/a.tga && cp data/s1.tga show/b.tga
timeline() {
    printf 'soundtrack = "music.mp3"\nimages = ["a.tga", "b.tga"]\n'
    printf '[[scene]]\nend = %s\nimage = 0\n[[scene]]\nend = 600000\nimage = 1\n' "$1"
}
timeline 300000 | save_timeline
start_window "$BUILD/afterglow" --dev --timeline show/timeline.toml
wait_for_centre "$(image_colour 0)" "the first scene"
before=$(now_ms)
timeline 1 | save_timeline
wait_for_centre "$(image_colour 5)" "the second scene, once the first ends at 1 ms"
echo "the retimed timeline showed after $(($(now_ms) - before)) ms"
printf 'soundtrack = "music.mp3"\nimages = ["a.tga"]\n[[scene]]\nend = "soon"\n' | save_timeline
wait_until "report of the broken timeline" grep -q '^show/timeline.toml:4:7: expected' err.txt
expect_colour "$(centre_colour)" "$(image_colour 5)" "a broken timeline keeps the one playing"
timeline 300000 | save_timeline
wait_for_centre "$(image_colour 0)" "the first scene again, where the clock is"
test "$(grep -c timeline.toml err.txt)" = 1 || fail "reported $(grep -c timeline.toml err.txt) times"
# A picture saved with the timeline, in the same look at the files, shows too.
convert -size 64x64 "xc:rgb(200,10,10)" -type TrueColor show/new.tga
mv show/new.tga show/a.tga && timeline 300001 | save_timeline
wait_for_centre 200,10,10 "a picture saved with the timeline"
press_escape
