#!/usr/bin/env bash
# Every failure of afterglow-capture (and of the example's writing) is said in one line with its own
# exit code, and leaves the file named as it was.
source "$(dirname "$0")/lib.sh" "$1"

make_solid_data
expect_failure 2 "unknown option '--speed'" "$BUILD/afterglow-capture" --speed 2 --output x.mp4
grep -q '^usage: afterglow-capture' err.txt || fail "no usage text after an unknown option"
expect_failure 1 "afterglow-capture: --data nowhere: not a data folder (no nowhere/vorn.mp3 there). --data DIR names a folder of the intro's data; afterglow-assets DIR makes one" "$BUILD/afterglow-capture" --at 5 --data nowhere --output x.png
[ ! -e x.png ] || fail "a still was written from no data"
expect_failure 1 "cannot write /no/such/folder/x.png" "$BUILD/afterglow-capture" --at 5 --output /no/such/folder/x.png
ln -s /dev/full full.png
expect_failure 1 "cannot write full.png: No space left on device" "$BUILD/afterglow-capture" --at 5 --size 64x48 --output full.png
for name in keep.png keep.mp4; do
    echo kept >"$name"
    # shellcheck disable=SC2046 # the option and its value, two words
    expect_failure 1 "no offscreen GL context" env MESA_LOADER_DRIVER_OVERRIDE=nonexistent LIBGL_DRIVERS_PATH=/nonexistent \
        "$BUILD/afterglow-capture" $([ $name = keep.png ] && echo --at 5 || echo --to 100) --size 64x48 --output $name
    [ "$(cat $name)" = kept ] || fail "a failed capture changed $name"
done
# A desktop's video driver in the environment does not reach the offscreen context.
for driver in wayland x11 dummy kmsdrm; do
    env -u DISPLAY SDL_VIDEODRIVER=$driver "$BUILD/afterglow-capture" --at 5 --size 64x48 --output driver.png 2>err.txt ||
        fail "SDL_VIDEODRIVER=$driver: $(cat err.txt)"
done
# A soundtrack with no sound in it is refused, as the intro refuses it, not filmed silent.
printf 'soundtrack = "data/s1.tga"\nimages = ["data/s1.tga"]\n[[scene]]\nend = 1000\nimage = 0\n' >mute.toml
expect_failure 1 "was not written: the soundtrack ./data/s1.tga holds no sound ffmpeg can read" "$BUILD/afterglow-capture" --timeline mute.toml --fps 10 --size 64x48 --output mute.mp4
[ ! -e mute.mp4 ] || fail "a soundtrack without sound gave a video"
# A soundtrack with a damaged frame is played past it, as the intro plays it, though ffmpeg says so.
{ head -c 10000 data/vorn.mp3 && head -c 1000 /dev/zero && tail -c +11001 data/vorn.mp3; } >damaged.mp3
printf 'soundtrack = "damaged.mp3"\nimages = ["data/s1.tga"]\n[[scene]]\nend = 3000\nimage = 0\n' >damaged.toml
"$BUILD/afterglow-capture" --timeline damaged.toml --fps 10 --size 64x48 --output damaged.mp4 2>err.txt ||
    fail "a damaged soundtrack: $(cat err.txt)"
# A video is written with seeks: it wants a regular file.
mkfifo fifo.mp4
expect_failure 1 "cannot write fifo.mp4: a video needs a regular file" "$BUILD/afterglow-capture" --to 100 --size 64x48 --output fifo.mp4
expect_failure 1 "could not write to standard output" sh -c '"$0" --help >/dev/full' "$BUILD/afterglow-capture"
expect_failure 1 "could not write to standard output" sh -c '"$0" --help >&-' "$BUILD/afterglow-capture"
expect_failure 1 "could not write to standard output" sh -c '"$0" --version >&-' "$BUILD/afterglow"
# However few descriptors it may open, ffmpeg never talks on our output: with too few to keep its
# words it is not started, and that is said.
for limit in $(seq 8 16); do
    sh -c 'ulimit -n "$1" && exec "$0" --to 100 --size 64x48 --output x.mp4' "$BUILD/afterglow-capture" "$limit" \
        >out.txt 2>err.txt || grep -q "Too many open files" err.txt || fail "ulimit -n $limit: $(cat err.txt)"
    [ ! -s out.txt ] || fail "ulimit -n $limit: the standard output holds $(head -c 200 out.txt)"
done
# Images that did not load: the still is written, white where they are, and the exit code says so.
mkdir sound-only && cp data/vorn.mp3 sound-only/
expect_failure 3 "26 of 26 images did not load (sound-only/intro.tga, sound-only/lobby_robot.tga, sound-only/lobby_roboat.tga, sound-only/stjerner.tga, sound-only/scrolltext.tga and 21 more); the still shows them white" "$BUILD/afterglow-capture" --at 7500 --size 64x48 --data sound-only --output white.png
expect_colour "$(pixel_colour white.png 32 24)" 255,255,255 "a still without its images"
# With standard error closed, the reports go nowhere rather than into the still.
"$BUILD/afterglow-capture" --at 7500 --size 64x48 --data sound-only --output closed.png 2>&- || true
[ "$(head -c 4 closed.png | xxd -p)" = 89504e47 ] || fail "with standard error closed the still holds: $(head -c 60 closed.png)"
expect_failure 1 "text-overlay: cannot write /dev/full" "$BUILD/text-overlay" /dev/full
expect_failure 1 "text-overlay: could not write to standard output" sh -c '"$0" overlay.png >/dev/full' "$BUILD/text-overlay"
mkdir bin
expect_failure 1 "ffmpeg not found" env PATH="$WORK/bin" "$BUILD/afterglow-capture" --to 100 --output x.mp4
printf '#!/bin/sh\necho "no space left ($GLIBC_TUNABLES)" >&2\nexit 1\n' >bin/ffmpeg
chmod +x bin/ffmpeg
expect_failure 1 "ffmpeg failed after" env PATH="$WORK/bin" GLIBC_TUNABLES=glibc.malloc.perturb=0 "$BUILD/afterglow-capture" --to 100 --size 64x48 --output x.mp4
# ffmpeg is asked for huge pages, with the user's own tunables kept
grep -q "no space left (glibc.malloc.perturb=0:glibc.malloc.hugetlb=1)" err.txt ||
    fail "ffmpeg's own words or its environment are not passed on: $(cat err.txt)"
# An encoder that ends with 0 all the same: after an error line (ffmpeg's on a full disk as it
# writes the index), or with a file that is not a whole video. The old file stays.
echo precious >keep.mp4
printf '#!/bin/sh\ncat >/dev/null\necho "Error writing trailer: No space left on device" >&2\n' >bin/ffmpeg
expect_failure 1 "ffmpeg said:" env PATH="$WORK/bin:$PATH" "$BUILD/afterglow-capture" --to 300 --size 64x48 --output keep.mp4
grep -q "No space left on device" err.txt || fail "ffmpeg's error line is not passed on: $(cat err.txt)"
for garbage in "" "ftyp" "\0\0\0\10ftyp\0\0\0\10mdat"; do
    printf '#!/bin/sh\ncat >/dev/null\nfor a; do case $a in file:*) out=${a#file:} ;; esac; done\nprintf "%s" >"$out"\n' "$garbage" >bin/ffmpeg
    expect_failure 1 "but its video is not whole" env PATH="$WORK/bin:$PATH" "$BUILD/afterglow-capture" --to 300 --size 64x48 --output keep.mp4
done
[ "$(cat keep.mp4)" = precious ] || fail "a failed video replaced the file there"
expect_no_partials
