#!/usr/bin/env bash
# make measure, its last part: how far the sound is from the picture on a real sound server. A PulseAudio
# server of our own plays into a null sink; a show of our own changes its picture from black to
# white and back every 2 s while its soundtrack clicks at the same moments; bench/av_probe.cpp
# records the sink's monitor and watches the screen. Three runs: a default one, one from
# --start 7000, and one in --dev with a pause and seeks. Prints each click's offset from its
# picture (positive: the sound comes after the picture) and the goal: at most 45 ms ahead and
# 125 ms behind. usage: bench/av_offset.sh BUILD
set -euo pipefail
for tool in xvfb-run pulseaudio pactl parec convert ffmpeg xdotool; do
    command -v "$tool" >/dev/null ||
        { echo "av-offset: $tool not found (scripts/install-deps measure installs it)" >&2; exit 1; }
done
if [ -z "${INTRO_UNDER_XVFB:-}" ]; then
    INTRO_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 320x240x24 -noreset" "$0" "$@"
fi
build=$(cd "$1" && pwd)
work=$(mktemp -d)
# Whatever ends the run, the server, the recorder and the intro end with it, and the folder goes.
cleanup() {
    local running
    running=$(jobs -p)
    [ -z "$running" ] || kill -KILL $running 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
cd "$work"

export HOME=$work XDG_RUNTIME_DIR=$work/runtime PULSE_RUNTIME_PATH=$work/runtime/pulse
mkdir -m 700 runtime
pulseaudio -n --daemonize=no --exit-idle-time=-1 --log-target=file:"$work/pulse.log" \
    --load=module-native-protocol-unix --load="module-null-sink sink_name=out" &
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null || { echo "av-offset: the sound server did not start" >&2; exit 1; }

mkdir show
convert -size 64x64 xc:black -type TrueColor show/black.tga
convert -size 64x64 xc:white -type TrueColor show/white.tga
ffmpeg -v error -f lavfi \
    -i "aevalsrc=0.9*sin(2*PI*1000*t)*between(mod(t\,2)\,0\,0.005)*gte(t\,1):s=44100:d=40" \
    -c:a libmp3lame -b:a 128k show/clicks.mp3
{
    printf 'soundtrack = "clicks.mp3"\nimages = ["black.tga", "white.tga"]\n'
    printf '[[scene]]\nend = 40000\nimage = 0\nchanges = [\n'
    for at in $(seq 2000 2000 38000); do printf '  { at = %d, image = %d },\n' "$at" $((at / 2000 % 2)); done
    printf ']\n'
} >show/timeline.toml

# measure NAME SECONDS KEYS INTRO-OPTIONS...: KEYS is "SECONDS:KEY ..." sent to the intro
measure() {
    local name=$1 seconds=$2 keys=$3
    shift 3
    # The listener comes first, as a loudspeaker would be there first: a null sink with no
    # client asking for low latency renders a second or more ahead, and a new stream is heard
    # only after that.
    timeout $((seconds + 3)) parec -d out.monitor --raw --format=s16le --rate=44100 --channels=1 \
        --latency-msec=5 2>/dev/null | "$build/av_probe" 44100 160 120 $((seconds + 1)) >"$name.txt" &
    local probe=$!
    sleep 1
    SDL_AUDIODRIVER=pulseaudio "$build/afterglow" --timeline show/timeline.toml "$@" >/dev/null 2>intro.err &
    local intro=$! elapsed=0
    for key in $keys; do
        sleep "$(awk -v at="${key%%:*}" -v was="$elapsed" 'BEGIN { print at - was }')"
        elapsed=${key%%:*}
        xdotool key "${key#*:}"
    done
    wait "$probe" || true
    kill "$intro" 2>/dev/null || true
    wait "$intro" 2>/dev/null || true
    awk -v name="$name" '
        NR == FNR { if ($1 == "picture" && seen++) changes[++n] = $2; next }
        $1 == "click" {
            best = ""
            for (i = 1; i <= n; ++i) {
                d = $2 - changes[i]
                if (best == "" || (d < 0 ? -d : d) < (best < 0 ? -best : best)) best = d
            }
            if (best == "" || best > 500 || best < -500) {
                printf "%s: a click with no picture change near it\n", name
                next
            }
            printf "%s: sound %+.0f ms from its picture\n", name, best
            worst_ahead = (count == 0 || best < worst_ahead) ? best : worst_ahead
            worst_behind = (count == 0 || best > worst_behind) ? best : worst_behind
            ++count
        }
        END {
            met = count > 0 && worst_ahead >= -45 && worst_behind <= 125
            printf "%s: %d clicks, from %+.0f to %+.0f ms: %s\n", name, count, worst_ahead,
                worst_behind, met ? "met" : "MISSED"
        }' "$name.txt" "$name.txt"
}

measure default 12 ""
measure start-7000 9 "" --start 7000
measure dev 14 "2.5:p 3.5:p 5.2:Right 9.1:Left 11.3:shift+Right" --dev
