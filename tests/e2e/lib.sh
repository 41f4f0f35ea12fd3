# Shared by the end-to-end scripts: runs the caller under its own Xvfb, gives it a scratch
# working directory and helpers to start the intro, wait for its window and send keys.
# Usage at the top of a script:  source "$(dirname "$0")/lib.sh" "$@"
set -euo pipefail

BUILD=$(cd "$1" && pwd)
export SDL_AUDIODRIVER=dummy LIBGL_ALWAYS_SOFTWARE=1

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Re-runs the calling script under a fresh virtual X server of 1024x768.
run_under_xvfb() {
    if [ -z "${INTRO_E2E_UNDER_XVFB:-}" ]; then
        INTRO_E2E_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$BUILD"
    fi
}

WORK=$(mktemp -d)
trap 'kill_intro; rm -rf "$WORK"' EXIT
cd "$WORK"
mkdir data

# Links one generated data file, when the build has made it, into the scratch data/.
use_data() {
    for f in "$@"; do
        if [ -e "$BUILD/data/$f" ]; then
            ln -sf "$BUILD/data/$f" "data/$f"
        fi
    done
}

INTRO_PID=
now_ms() { date +%s%3N; }

# Starts build/intro in the background; its output goes to out.txt and err.txt. Variables set
# on the caller's command line reach it.
start_intro() {
    STARTED_MS=$(now_ms)
    "$BUILD/intro" >out.txt 2>err.txt &
    INTRO_PID=$!
}

kill_intro() {
    if [ -n "$INTRO_PID" ] && kill -0 "$INTRO_PID" 2>/dev/null; then
        kill -9 "$INTRO_PID" 2>/dev/null || true
    fi
}

wait_for_window() {
    for _ in $(seq 1 200); do
        if xdotool search --onlyvisible --class intro >/dev/null 2>&1; then
            return 0
        fi
        kill -0 "$INTRO_PID" 2>/dev/null || fail "the intro ended before showing a window: $(cat out.txt err.txt)"
        sleep 0.1
    done
    fail "no window within 20 s"
}

# Waits up to $1 seconds for the intro to end and sets EXIT_CODE.
wait_for_exit() {
    local limit=$(($1 * 10))
    for _ in $(seq 1 "$limit"); do
        if ! kill -0 "$INTRO_PID" 2>/dev/null; then
            EXIT_CODE=0
            wait "$INTRO_PID" || EXIT_CODE=$?
            INTRO_PID=
            return 0
        fi
        sleep 0.1
    done
    fail "the intro still runs after $1 s"
}

# Saves the whole virtual screen to the file named.
screenshot() {
    import -window root "$1"
}

# Writes every image of the image list as a 64x64 TGA of its own solid colour (see image_colour),
# except the image numbers given.
IMAGE_FILES=(intro lobby_robot lobby_roboat stjerner scrolltext s1 s2 s3 s4 s5 s6 s7 s8 s9 s10
    credit1 credit2 credit3 lobby2 lobby3 hat hat1 hero debrief eksplo lommekniv)
image_colour() { echo "$(($1 * 9 + 20)),$((250 - $1 * 9)),$((($1 * 37) % 200 + 30))"; }
make_solid_images() {
    for n in "${!IMAGE_FILES[@]}"; do
        if [[ " $* " != *" $n "* ]]; then
            convert -size 64x64 "xc:rgb($(image_colour "$n"))" -type TrueColor "data/${IMAGE_FILES[$n]}.tga"
        fi
    done
}

# The colour of pixel (x, y) of an image file, as r,g,b.
pixel_colour() {
    convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | sed -n 2p |
        sed -E 's/^[^(]*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}

# The colour at the centre of the virtual screen.
centre_colour() {
    screenshot screen.png
    pixel_colour screen.png 512 384
}

# Sleeps until $1 ms after the intro was started.
sleep_until() {
    local wait=$(($1 - ($(now_ms) - STARTED_MS)))
    if [ "$wait" -gt 0 ]; then
        sleep "$(printf "%d.%03d" $((wait / 1000)) $((wait % 1000)))"
    fi
}

# Fails unless colour $1 lies within 2 per channel of colour $2 (both r,g,b); $3 names the check.
expect_colour() {
    local seen=$1 expected=$2 label=$3 a b c x y z d
    IFS=, read -r a b c <<<"$seen"
    IFS=, read -r x y z <<<"$expected"
    for d in $((a - x)) $((b - y)) $((c - z)); do
        [ "${d#-}" -le 2 ] || fail "$label: $seen, expected $expected"
    done
    echo "$label: $seen"
}

expect_centre() { expect_colour "$(centre_colour)" "$1" "$2"; }
