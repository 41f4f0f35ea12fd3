#!/usr/bin/env bash
# A video, after the music's end too, holds every frame it claims, with sound; its name, with
# quotes, shell syntax or a leading dash, is a file name and nothing else.
source "$(dirname "$0")/lib.sh" "$1"

make_solid_data
for span in "40000 42000 20 x'\$(touch PWNED)'.mp4" "170000 172000 20 -x.mp4" "158000 165000 70 bob's intro.mp4"; do
    read -r from to frames name <<<"$span"
    "$BUILD/afterglow-capture" --from "$from" --to "$to" --fps 10 --size 64x48 --output "$name" 2>capture.log ||
        fail "video '$name' $from to $to failed: $(cat capture.log)"
    [ ! -e PWNED ] && [ "$(frames_of "./$name")" = "$frames" ] && grep -q "wrote $frames frames" capture.log ||
        fail "video '$name' $from to $to: $(frames_of "./$name") frames: $(cat capture.log)"
    [ "$(ffprobe -v error -show_entries stream=codec_type -of csv=p=0 "./$name" | sort | tr '\n' ' ')" = "audio video " ] ||
        fail "video '$name' $from to $to lacks a stream"
done
# The frames are in the colours ffmpeg would give the still of their time, and the file is tagged
# with them: frame 10 of the first video (41 s) against the still of 41 s converted and encoded by
# ffmpeg alone, within 2 a channel everywhere.
"$BUILD/afterglow-capture" --at 41000 --size 64x48 --output still.png 2>capture.log || fail "still: $(cat capture.log)"
ffmpeg -nostdin -v error -i "x'\$(touch PWNED)'.mp4" -vf "select=eq(n\,10)" -frames:v 1 frame.png
ffmpeg -nostdin -v error -i still.png -c:v libx264 -preset ultrafast -crf 20 -pix_fmt yuv420p still.mp4
ffmpeg -nostdin -v error -i still.mp4 still-encoded.png
most=$(convert frame.png still-encoded.png -compose difference -composite -format '%[fx:round(255 * max(max(maxima.r, maxima.g), maxima.b))]' info:)
[ "$most" -le 2 ] || fail "the video at 41 s differs from ffmpeg's own by up to $most a channel"
tags=$(ffprobe -v error -select_streams v -show_entries stream=pix_fmt,color_space,color_range,color_primaries,color_transfer \
    -of csv=p=0 "x'\$(touch PWNED)'.mp4")
[ "$tags" = "yuv420p,tv,smpte170m,iec61966-2-1,bt709" ] || fail "the video's colour tags: $tags"
# At a variable rate the same span is its three planned frames (the credits, the black after the
# end, the last frame), each held until the next.
"$BUILD/afterglow-capture" --from 158000 --to 165000 --fps 10 --size 64x48 --variable-rate --output vfr.mp4 2>capture.log &&
    [ "$(frames_of vfr.mp4)" = 3 ] && [ "$(ffprobe -v error -show_entries format=duration -of csv=p=0 vfr.mp4)" = 7.000000 ] ||
    fail "variable rate: $(frames_of vfr.mp4) frames, $(ffprobe -v error -show_entries format=duration -of csv=p=0 vfr.mp4) s"
expect_no_partials
