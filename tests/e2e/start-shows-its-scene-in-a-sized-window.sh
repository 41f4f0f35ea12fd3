#!/usr/bin/env bash
# --start shows what a run from the start shows then; --window gives a window of that size. A
# start near the last millisecond a time can hold ends the run then, never going round to 0.
source "$(dirname "$0")/lib.sh" "$1" display

make_solid_data
# Scene 6 shows image 6 from 74411 to 81011 ms: seconds on screen, however slow the start.
start_window "$BUILD/afterglow" --start 75000 --window=800x600
wait_until "800x600 window" bash -c "xdotool search --onlyvisible --class afterglow getwindowgeometry | grep -q 'Geometry: 800x600'"
wait_for_centre "$(image_colour 6)" "--start 75000: scene 6's image"
press_escape
printf 'soundtrack = "vorn.mp3"\nimages = ["intro.tga"]\n[[scene]]\nend = 4294967295\n' >data/t.toml
start_intro "$BUILD/afterglow" --timeline data/t.toml --start 4294967290
wait_for_exit 20
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE after the last millisecond: $(cat err.txt)"

# What is heard from --start: the soundtrack from that moment, not a moment of its opening first.
# A tone for its first 2 s and silence after; SDL's disk output writes what the mixer plays.
ffmpeg -v error -f lavfi -i "aevalsrc=0.9*sin(2*PI*440*t)*lt(t\,2):s=44100:d=10" data/tone.mp3
# A picture that does not load is named.
echo junk >data/junk.tga
printf 'soundtrack = "tone.mp3"\nimages = ["intro.tga", "junk.tga"]\n[[scene]]\nend = 10000\n' >data/tone.toml
for start in 1000 5000; do
    rm -f sound.raw
    SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=sound.raw start_window "$BUILD/afterglow" \
        --timeline data/tone.toml --start $start --window=64x48
    wait_until "half a second of sound" half_second_heard
    press_escape
    grep -qx "afterglow: 1 of 2 images did not load (data/junk.tga); they are drawn white" err.txt ||
        fail "the picture that did not load is not named: $(cat err.txt)"
    loud=$(loudest -f s16le -ar 44100 -ac 2 -i sound.raw)
    if [ $start = 1000 ]; then
        awk -v v="$loud" 'BEGIN { exit !(v > -10) }' || fail "--start 1000 played no tone: $loud dB"
    else
        awk -v v="$loud" 'BEGIN { exit !(v < -60) }' || fail "--start 5000 played the opening: $loud dB"
    fi
done
