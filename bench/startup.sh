#!/usr/bin/env bash
# make measure: the intro's start-up at 1920x1080 under a virtual X server, five runs, through
# bench/startup_probe.cpp preloaded. usage: bench/startup.sh BUILD
set -euo pipefail
if [ -z "${INTRO_UNDER_XVFB:-}" ]; then
    INTRO_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" "$0" "$@"
fi
build=$(cd "$1" && pwd)
for _ in 1 2 3 4 5; do
    INTRO_EXEC_NS=$(date +%s%N) SDL_AUDIODRIVER=dummy LD_PRELOAD="$build/libstartup_probe.so" \
        "$build/afterglow" --data "$build/data"
done
