#!/usr/bin/env bash
# The README's commands as a reader types them, from a checkout whose build/ went on the PATH as
# the README says. Its captures write what they name. "Make your own intro": the commands make
# the pictures, the music and the timeline file, then play it with --dev (a saved change to a
# fade shows; a broken save is reported once, the picture kept) and film it. Its stills at four
# moments are the ones the README shows, byte for byte: the fade from black, the text, the
# cross-fade, the fade to black.
source "$(dirname "$0")/lib.sh" "$1" display

README=$HERE/../../README.md
# The n-th sh block of section $1, as typed.
readme_block() {
    awk -v section="## $1" -v n="$2" '$0 == section { in_section = 1; next } in_section && /^## / { exit }
        in_section && /^```sh$/ { if (++seen == n) { take = 1; next } }
        take && /^```$/ { exit } take' "$README"
}
# The checkout's layout: build/ and scripts/ beside the README's commands, build/ put on the PATH by
# its own line.
ln -s "$BUILD" build && ln -s "$HERE/../../scripts" scripts
path_line=$(readme_block "The two commands" 2)
[[ $path_line == 'export PATH="$PWD/build:$PATH"' ]] || fail "the README puts build/ on the PATH otherwise: $path_line"
eval "$path_line"
for n in 1 2; do
    bash -e <(readme_block "Capturing stills and video" $n) 2>capture.txt ||
        fail "the README's capture $n failed: $(cat capture.txt)"
done
[ "$(frames_of scroller.mp4)" = 300 ] && [ -s scroller.png ] || fail "the README's captures wrote other files"

readme_block "Make your own intro" 2 >commands.sh
[ "$(wc -l <commands.sh)" = 2 ] || fail "the README's second block is not the play and the film: $(cat commands.sh)"
bash -e <(readme_block "Make your own intro" 1) || fail "the README's first block failed"
cd myintro

cp timeline.toml typed.toml
start_window bash -c "exec $(sed -n 1p ../commands.sh)"
# Held at 0 ms, where the sky has yet to fade in: black.
xdotool key p Home
wait_for_centre 0,0,0 "the start, before the fade"
# Saved as editors save: a new file moved into place.
sed 's/^alpha = \[\[0, 0\], \[2000, 1\]\]$/alpha = 1/' typed.toml >new.toml
cmp -s new.toml typed.toml && fail "the sky's fade is not in the timeline"
mv new.toml timeline.toml
# The sky's blue, not the white of a picture that did not load.
sky_shown() { IFS=, read -r r _ b <<<"$(centre_colour)" && [ "$r" -lt 100 ] && [ "$b" -gt 100 ]; }
wait_until "the sky at 0 ms once its fade is gone" sky_shown
sky=$(centre_colour)
sed 's/^image = "sky"$/image = "moon"/' typed.toml >new.toml && mv new.toml timeline.toml
wait_until "report of the missing picture" grep -q "^timeline.toml:[0-9]*:9: expected 'image' to name a picture of \[images\]$" err.txt
expect_colour "$(centre_colour)" "$sky" "a broken timeline keeps the one playing"
test "$(grep -c timeline.toml err.txt)" = 1 || fail "reported $(grep -c timeline.toml err.txt) times"
press_escape

mv typed.toml timeline.toml
bash -e <(sed -n 2p ../commands.sh) 2>capture.txt || fail "the README's capture failed: $(cat capture.txt)"
[ "$(frames_of myintro.mp4)" = 1200 ] || fail "myintro.mp4 holds $(frames_of myintro.mp4) frames, not 20 s at 60 fps"
ffprobe -v error -select_streams a -show_entries stream=codec_type -of csv=p=0 myintro.mp4 | grep -x audio >/dev/null ||
    fail "myintro.mp4 has no sound"
for at in 1000 3000 6500 19000; do
    afterglow-capture --data "$BUILD/content" --timeline timeline.toml --at $at --size 480x270 \
        --output still.png 2>/dev/null
    cmp still.png "$HERE/../../docs/myintro-$at.png" || fail "the still at $at ms differs from the README's"
done
