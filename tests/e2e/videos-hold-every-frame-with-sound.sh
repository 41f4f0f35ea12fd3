#!/usr/bin/env bash
# A video, after the music's end too, holds every frame it claims, with sound.
source "$(dirname "$0")/lib.sh" "$1"

make_solid_data
for span in "40000 42000 20" "170000 172000 20" "158000 165000 70"; do
    read -r from to frames <<<"$span"
    "$BUILD/intro-capture" --from "$from" --to "$to" --fps 10 --size 64x48 --output v.mp4 2>capture.log ||
        fail "video $from to $to failed: $(cat capture.log)"
    [ "$(frames_of v.mp4)" = "$frames" ] && grep -q "wrote $frames frames" capture.log ||
        fail "video $from to $to: $(frames_of v.mp4) frames: $(cat capture.log)"
    [ "$(ffprobe -v error -show_entries stream=codec_type -of csv=p=0 v.mp4 | sort | tr '\n' ' ')" = "audio video " ] ||
        fail "video $from to $to lacks a stream"
done
expect_no_partials
