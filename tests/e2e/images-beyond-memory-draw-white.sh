#!/usr/bin/env bash
# Images that would leave too little memory for drawing are refused and drawn white, as a broken
# image is, and the others load: whatever the process's memory limit, nothing crashes. A file
# named many times is held once.
source "$(dirname "$0")/lib.sh" "$1"

use_data vorn.mp3
# 100 full-HD pictures, and 1024 pictures each just under the size whose room is read alone:
# links to one file, each a file of its own to the intro.
convert -size 1920x1080 "xc:rgb(10,200,30)" -type TrueColor data/big.tga
convert -size 511x511 "xc:rgb(10,200,30)" -type TrueColor data/small.tga
# show NAME FILES...: a timeline of those images whose one scene shows the last
show() {
    local name=$1
    shift
    printf 'soundtrack = "vorn.mp3"\nimages = [' >"data/$name.toml"
    printf '"%s", ' "$@" >>"data/$name.toml"
    printf ']\n[[scene]]\nend = 1000\nimage = %d\n' $(($# - 1)) >>"data/$name.toml"
}
for picture in big:100 small:1024; do
    names=()
    for n in $(seq ${picture#*:}); do
        ln -s "${picture%:*}.tga" "data/${picture%:*}$n.tga" && names+=("${picture%:*}$n.tga")
    done
    show "${picture%:*}" "${names[@]}"
done
show same $(yes big.tga | head -n 100)
(ulimit -v $((800 * 1024)) &&
    exec "$BUILD/afterglow-capture" --timeline data/same.toml --at 0 --size 64x48 --output same.png) 2>err.txt ||
    fail "one file named 100 times: $(grep -v Assertion err.txt)"
expect_colour "$(pixel_colour same.png 32 24)" 10,200,30 "one file named 100 times"
for run in big:800 big:1200 big:1600 small:1000 small:1800; do
    code=0
    (ulimit -v $((${run#*:} * 1024)) &&
        exec "$BUILD/afterglow-capture" --timeline data/${run%:*}.toml --at 0 --size 64x48 --output still.png) 2>err.txt || code=$?
    [ "$code" = 3 ] && grep -q "images did not load" err.txt ||
        fail "$run MB: exit code $code: $(grep -v Assertion err.txt)"
    [ "$(pixel_colour still.png 32 24)" = 255,255,255 ] || fail "$run MB: the last image not white"
    echo "$run MB: $(grep "did not load" err.txt)"
done
# A video whose frames alone would not fit is refused before it begins.
(ulimit -v $((1500 * 1024)) && exec "$BUILD/afterglow-capture" --size 8192x8192 --to 50 --output large.mp4) 2>err.txt &&
    fail "an 8192x8192 video in 1500 MB was made"
grep -q "not enough memory for a video of 8192x8192: it takes about 6272 MiB" err.txt ||
    fail "an 8192x8192 video in 1500 MB: $(cat err.txt)"
expect_no_partials

# Under a memory cgroup (a container's or a service's limit, which ffmpeg shares), a video leaves
# room for its encoder: pictures are drawn white where the video was killed mid-way.
cgroup=
for root in /sys/fs/cgroup /sys/fs/cgroup/memory; do
    if [ -w "$root" ] && { [ -e "$root/memory.limit_in_bytes" ] || grep -qw memory "$root/cgroup.subtree_control" 2>/dev/null; }; then
        cgroup=$root/afterglow-e2e-$$
        break
    fi
done
if [ -z "$cgroup" ]; then
    echo "not checked here: no memory cgroup can be made (it takes root, on cgroup v1 or v2)"
    exit 0
fi
mkdir "$cgroup"
trap 'kill_intro; rm -rf "$WORK"; rmdir "$cgroup"' EXIT
echo $((700 << 20)) >"$cgroup/$([ -e "$cgroup/memory.max" ] && echo memory.max || echo memory.limit_in_bytes)"
convert -size 4096x4096 "xc:rgb(10,200,30)" -type TrueColor data/huge.tga
show huge $(for n in $(seq 8); do ln -s huge.tga data/huge$n.tga && echo huge$n.tga; done)
code=0
sh -c 'echo $$ >"$0/cgroup.procs" && exec "$@"' "$cgroup" "$BUILD/afterglow-capture" --timeline data/huge.toml \
    --size 1920x1080 --output huge.mp4 2>err.txt || code=$?
[ "$code" = 3 ] && [ "$(frames_of huge.mp4)" = 60 ] ||
    fail "a 1080p video in 700 MB: exit code $code: $(grep -v Assertion err.txt)"
echo "a 1080p video in 700 MB: $(grep "did not load" err.txt)"
