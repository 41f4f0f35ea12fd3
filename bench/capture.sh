#!/usr/bin/env bash
# make measure: the capture's speed, the whole intro at 60 fps at 720p, 1080p and 2160p, at a
# constant and a variable rate, beside a build of an earlier commit in the same run (timings on
# a shared machine compare only within one run); each pair runs back to back, the earlier first.
# usage: bench/capture.sh BUILD [REVISION]   (default HEAD~1; its build is kept in
# BUILD/previous-REV; JOBS compile jobs, default 2)
set -euo pipefail
if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "usage: bench/capture.sh BUILD [REVISION]" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
root=$(git -C "$(dirname "$0")" rev-parse --show-toplevel)
wanted=${2:-HEAD~1}
revision=$(git -C "$root" rev-parse --short --verify --quiet "$wanted^{commit}") || {
    echo "bench/capture.sh: $wanted names no commit of $root" >&2
    exit 2
}
previous="$build/previous-$revision"
# The stamp is written last: a build that was interrupted is made again.
if [ ! -e "$previous/built" ]; then
    echo "Building $revision for comparison in $previous ..."
    rm -rf "$previous" && mkdir -p "$previous/source"
    git -C "$root" archive "$revision" | tar -x -C "$previous/source"
    cmake -S "$previous/source" -B "$previous/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DINTRO_TESTS=OFF >/dev/null
    cmake --build "$previous/build" -j"${JOBS:-2}" --target afterglow-capture content >/dev/null
    touch "$previous/built"
fi
video=$(mktemp -d)
trap 'rm -rf "$video"' EXIT
# The speed as the capture prints it at its end ("... 2.22 x real time"); a failed capture stops
# the measurement with its own words.
speed() {
    if ! (cd "$1" && ./afterglow-capture "${@:2}" --output "$video/speed.mp4") 2>"$video/err.txt"; then
        echo "bench/capture.sh: the capture in $1 failed:" >&2
        cat "$video/err.txt" >&2
        return 1
    fi
    sed -n 's/.* \([0-9.]*\) x real time$/\1/p' "$video/err.txt"
}
echo "Capture speed, whole intro at 60 fps, times real time ($revision beside this build):"
printf '  %-10s %-14s %9s %9s %7s\n' size rate "$revision" ours ratio
for size in 1280x720 1920x1080 3840x2160; do
    for rate in constant variable; do
        flags=(--size "$size")
        [ "$rate" = constant ] || flags+=(--variable-rate)
        before=$(speed "$previous/build" "${flags[@]}")
        after=$(speed "$build" "${flags[@]}")
        printf '  %-10s %-14s %9s %9s %7s\n' "$size" "$rate" "${before}x" "${after}x" \
            "$(awk -v a="$after" -v b="$before" 'BEGIN { printf "%.2f", a / b }')"
    done
done
