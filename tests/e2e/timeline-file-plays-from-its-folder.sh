#!/usr/bin/env bash
# A timeline file plays from its own folder, wherever it is started from: its scenes, times and
# rules in stills, its end as the video's, and its mistakes said as FILE:LINE:COLUMN.
source "$(dirname "$0")/lib.sh" "$1"

make_solid_data
mkdir show elsewhere
mv data/vorn.mp3 show/music.mp3 && mv data/intro.tga show/a.tga && mv data/s1.tga show/b.tga
cat >show/timeline.toml <<'END'
soundtrack = "music.mp3"
images = ["a.tga", "b.tga"]
[[scene]]
end = 1000
image = 0
[[scene]]
end = 2000
image = 1
changes = [{ after = 500, image = 0 }]
END
cd elsewhere
for check in "1000 0 the first scene to its end" "1001 5 the second scene's image" \
    "1500 5 up to and including an 'after' change" "1501 0 past it"; do
    read -r at image label <<<"$check"
    "$BUILD/afterglow-capture" --timeline ../show/timeline.toml --at "$at" --size 64x48 \
        --output "still-$at.png" 2>>capture.log || fail "still at $at: $(cat capture.log)"
    expect_colour "$(pixel_colour "still-$at.png" 32 24)" "$(image_colour "$image")" "$label (at $at ms)"
done
"$BUILD/afterglow-capture" --timeline ../show/timeline.toml --fps 10 --size 64x48 --output show.mp4 \
    2>>capture.log || fail "video: $(cat capture.log)"
test "$(frames_of show.mp4)" = 20 || fail "the video has $(frames_of show.mp4) frames, not 2 s of 10"
expect_failure 2 "from 0 to 2000, not '2001'" "$BUILD/afterglow" --timeline ../show/timeline.toml --start 2001
sed -i 's/"b.tga"/"c.tga"/' ../show/timeline.toml
expect_failure 1 "../show/timeline.toml:2:20: expected each of 'images' to name a file, not 'c.tga' (../show/c.tga: no such file)" \
    "$BUILD/afterglow-capture" --timeline ../show/timeline.toml --at 0 --output x.png
