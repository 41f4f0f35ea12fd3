#!/usr/bin/env bash
# make measure: the capture's speed, the whole intro at 60 fps at 720p, 1080p and 2160p, at a
# constant and a variable rate, beside a build of an earlier commit in the same run (timings on
# a shared machine compare only within one run); each pair runs back to back, the earlier first.
# usage: bench/capture.sh BUILD [REVISION]   (default HEAD~1; its build is kept in
# BUILD/previous-REV)
set -euo pipefail
build=$(cd "$1" && pwd)
revision=$(git -C "$(dirname "$0")" rev-parse --short "${2:-HEAD~1}")
previous="$build/previous-$revision"
# The stamp is written last: a build that was interrupted is made again.
if [ ! -e "$previous/built" ]; then
    echo "Building $revision for comparison in $previous ..."
    rm -rf "$previous" && mkdir -p "$previous/source"
    git -C "$(dirname "$0")" archive "$revision" | tar -x -C "$previous/source"
    cmake -S "$previous/source" -B "$previous/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DINTRO_TESTS=OFF >/dev/null
    cmake --build "$previous/build" -j"$(nproc)" --target afterglow-capture content >/dev/null
    touch "$previous/built"
fi
video=$(mktemp -d)
trap 'rm -rf "$video"' EXIT
# The speed as the capture prints it at its end: "... 2.22 x real time".
speed() { (cd "$1" && ./afterglow-capture "${@:2}" --output "$video/speed.mp4" 2>&1) | sed -n 's/.* \([0-9.]*\) x real time$/\1/p'; }
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
