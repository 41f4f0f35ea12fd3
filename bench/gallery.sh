#!/usr/bin/env bash
# make measure: each gallery intro (examples/intros/) played full screen at 1280x720 under a
# virtual X server with bench/frame_rate_probe.cpp preloaded, its frame rate printed.
# usage: bench/gallery.sh BUILD
set -euo pipefail
if [ -z "${INTRO_UNDER_XVFB:-}" ]; then
    INTRO_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x720x24 -noreset" "$0" "$@"
fi
build=$(cd "$1" && pwd)
gallery=$(mktemp -d)
trap 'rm -rf "$gallery"' EXIT
"$(dirname "$0")/../examples/intros/make-pictures" "$gallery"
echo "The gallery's intros, played full screen at 1280x720:"
for intro in title flight shader; do
    SDL_AUDIODRIVER=dummy PROBE_COUNT_MS=6000 LD_PRELOAD="$build/libframe_rate_probe.so" \
        "$build/afterglow" --data "$build/data" --timeline "$gallery/$intro/timeline.toml" |
        sed "s/^/  $intro: /"
done
