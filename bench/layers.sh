#!/usr/bin/env bash
# make measure: a timeline file that uses every kind of layer and every key, changing in every
# frame (pictures in PNG, JPEG and TGA by name, contained and covering, a moving box, fades of a
# picture and of a colour, text growing), played full screen at 1920x1080 under a virtual X server
# with bench/frame_rate_probe.cpp preloaded, three runs; then filmed at 1080p, once at a constant
# and once at a variable frame rate. usage: bench/layers.sh BUILD
set -euo pipefail
if [ -z "${INTRO_UNDER_XVFB:-}" ]; then
    INTRO_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" "$0" "$@"
fi
build=$(cd "$1" && pwd)
show=$(mktemp -d)
trap 'rm -rf "$show"' EXIT
cd "$show"
convert -size 1920x1080 gradient:steelblue-navy sky.png
convert -size 1920x1080 -seed 7 plasma:orange-purple plasma.jpg
cp "$build/data/s1.tga" city.tga
cp "$build/data/vorn.mp3" music.mp3
cat >timeline.toml <<'END'
version = 2
soundtrack = "music.mp3"
[images]
sky = "sky.png"
plasma = "plasma.jpg"
city = "city.tga"

[[scene]]
end = 20000
image = "city"
[[scene.layer]]
image = "sky"
fit = "cover"
box = [[0, [0, 0, 1, 1]], [20000, [0.2, 0.1, 0.6, 0.8], "smooth"]]
alpha = [[0, 0.2], [20000, 1, "ramp"]]
[[scene.layer]]
image = "plasma"
fit = "contain"
box = [0.5, [[0, 0.5], [20000, 0]], 0.5, 0.5]
alpha = [[0, 1], [10000, 0.5, "step"], [20000, 0]]
[[scene.layer]]
colour = [0, 0, 0]
alpha = [[0, 0], [20000, 0.8]]
[[scene.layer]]
text = "EVERY <LAYER>"
font = "font_bold"
size = [[0, 1], [20000, 3, "smooth"]]
colour = [255, 200, 0]
box = [0.05, 0.05, 0.9, 0.5]
END
echo "A timeline file with every kind of layer, changing in every frame:"
for _ in 1 2 3; do
    SDL_AUDIODRIVER=dummy LD_PRELOAD="$build/libframe_rate_probe.so" \
        "$build/afterglow" --data "$build/data" --timeline timeline.toml | sed 's/^/  played full screen, /'
done
for rate in "" --variable-rate; do
    "$build/afterglow-capture" --data "$build/data" --timeline timeline.toml --size 1920x1080 $rate \
        --output layers.mp4 2>&1 | tail -n 1 | sed "s/^/  filmed at 1080p, ${rate:-constant rate}: /"
done
