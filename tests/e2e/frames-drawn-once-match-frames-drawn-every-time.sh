#!/usr/bin/env bash
# Frames drawn once and repeated by the encoder decode the same as frames all drawn: across the
# scroller, a switch inside scene 2, still scenes and the flip-book; and in a timeline that comes
# back to the scroller over the same picture after a scene without it, then carries a picture as
# its own text (the scroller clamps its text's edges, which changes how the picture draws); and
# layers that fade, move and write over a still picture, changing every frame; and timelines at
# the format's bounds, constant and variable rate.
source "$(dirname "$0")/lib.sh" "$1"

make_solid_data
cat >show.toml <<'TOML'
soundtrack = "data/vorn.mp3"
images = ["data/intro.tga", "data/scrolltext.tga", "data/s1.tga", "data/font_bold.tga",
  "data/font_mono.tga"]
scene = [
  { end = 1000, image = 0, scroller = { text = 1, pace = 2000 } },
  { end = 1500, image = 2 },
  { end = 2500, image = 0, scroller = { text = 1, pace = 2000 } },
  { end = 3000, image = 3, scroller = { text = 4, pace = 500 } },
  { end = 3500, image = 3, scroller = { text = 3, pace = 700 } },
  { end = 4500, image = 2, layer = [
    { image = 0, fit = "contain", box = [[0, [0, 0, 1, 1]], [600, [0.5, 0.2, 0.4, 0.4], "smooth"]] },
    { text = "FADE <IN>", font = 1, size = 2, alpha = [[0, 0], [500, 1, "ramp"]] },
    { colour = [0, 0, 0], alpha = [[700, 0], [1000, 1]] } ] },
]
TOML
# At the format's bounds, 1024 scenes and a flip-book of 4096 frames, each picture two frames
# long: as many runs of frames to stamp.
{
    echo 'soundtrack = "data/vorn.mp3"'
    echo 'images = ["data/intro.tga", "data/s1.tga"]'
    for i in $(seq 1 1024); do printf '[[scene]]\nend = %d\nimage = %d\n' $((i * 200)) $((i % 2)); done
} >scenes.toml
{
    echo 'soundtrack = "data/vorn.mp3"'
    echo 'images = ["data/intro.tga", "data/s1.tga"]'
    printf '[[scene]]\nend = 819400\nflipbook = { pace = 200, after = 0, frames = [%s] }\n' \
        "$(printf '0, 1, %.0s' $(seq 1 2048) | sed 's/, $//')"
} >flipbook.toml
while read -r frames span; do
    for way in fast every-frame; do
        # shellcheck disable=SC2046,SC2086 # no word at all for the fast way; the span's words
        "$BUILD/afterglow-capture" $span --fps 10 --size 64x48 $([ $way = fast ] || echo --every-frame) --output $way.mp4 2>/dev/null
        ffmpeg -nostdin -v error -i $way.mp4 -map 0:v -f framemd5 - | grep -v '^#' | awk '{print $6}' >$way.md5
    done
    [ "$(wc -l <fast.md5)" = "$frames" ] && cmp -s fast.md5 every-frame.md5 ||
        fail "$span: frames drawn once differ from frames drawn every time"
done <<'SPANS'
470 --from 37000 --to 84000
45 --timeline show.toml
2048 --timeline scenes.toml
8194 --timeline flipbook.toml
SPANS
# At a variable rate each picture is one frame of the file, stamped with its time: every 200 ms,
# and the last frame's.
"$BUILD/afterglow-capture" --timeline flipbook.toml --fps 10 --size 64x48 --variable-rate --output vfr.mp4 2>/dev/null
ffprobe -v error -select_streams v -show_entries packet=pts_time -of csv=p=0 vfr.mp4 | sort -n |
    awk '{ printf "%.1f\n", $1 }' >stamps.txt
cmp -s stamps.txt <(seq 0 2 8192 | awk '{ printf "%.1f\n", $1 / 10 }' && echo 819.3) ||
    fail "a variable rate's stamps at the format's bounds: $(head -c 300 stamps.txt)"
expect_no_partials
