#!/usr/bin/env bash
# A soundtrack placed on the clock ({ file, start, volume }) is silent before its start and plays
# at its volume from there: in the intro (SDL's disk output writes what the mixer plays) and in
# a captured video's sound.
source "$(dirname "$0")/lib.sh" "$1" display

use_data vorn.mp3
ffmpeg -v error -f lavfi -i "aevalsrc=0.9*sin(2*PI*440*t):s=44100:d=10" tone.mp3
cat >placed.toml <<'END'
soundtrack = { file = "tone.mp3", start = 3000, volume = 0.1 }
[[scene]]
end = 8000
[[scene.layer]]
colour = [0, 0, 0]
END
# The tone at 0.9 is -0.9 dB; at a tenth of that, -20.9 dB.
is_quiet_tone() { awk -v v="$1" 'BEGIN { exit !(v > -24 && v < -18) }'; }
is_silent() { awk -v v="$1" 'BEGIN { exit !(v < -60) }'; }
for start in 1000 3500; do
    rm -f sound.raw
    SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=sound.raw start_window "$BUILD/afterglow" \
        --timeline placed.toml --start $start --window=64x48
    wait_until "half a second of sound" half_second_heard
    press_escape
    loud=$(loudest -f s16le -ar 44100 -ac 2 -i sound.raw)
    if [ $start = 1000 ]; then
        is_silent "$loud" || fail "--start 1000, before the music's start at 3000: $loud dB"
    else
        is_quiet_tone "$loud" || fail "--start 3500: the tone at a tenth is $loud dB"
    fi
done

"$BUILD/afterglow-capture" --timeline placed.toml --to 5000 --size 64x48 --output placed.mp4 \
    2>capture.txt || fail "the capture failed: $(cat capture.txt)"
before=$(loudest -t 2.8 -i placed.mp4)
after=$(loudest -ss 3.3 -i placed.mp4)
is_silent "$before" || fail "the video's sound before 3 s: $before dB"
is_quiet_tone "$after" || fail "the video's sound after 3 s: $after dB"

# With --dev, a soundtrack file replaced while it plays is heard in its place: silence, then the
# tone, at the clock.
ffmpeg -v error -f lavfi -i "anullsrc=r=44100:cl=stereo" -t 20 quiet.mp3
printf 'soundtrack = "quiet.mp3"\n[[scene]]\nend = 20000\n[[scene.layer]]\ncolour = [0, 0, 0]\n' >swap.toml
rm -f sound.raw
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=sound.raw start_window "$BUILD/afterglow" --dev \
    --timeline swap.toml --window=64x48
wait_until "half a second of sound" half_second_heard
is_silent "$(loudest -f s16le -ar 44100 -ac 2 -i sound.raw)" || fail "the quiet soundtrack is heard"
cp tone.mp3 new.mp3 && mv new.mp3 quiet.mp3
# The last quarter second written, once it holds the tone.
tone_heard() {
    tail -c 44100 sound.raw >last.raw &&
        [ "$(loudest -f s16le -ar 44100 -ac 2 -i last.raw | cut -d. -f1)" -gt -10 ]
}
wait_until "the replaced soundtrack heard" tone_heard
press_escape
