# shellcheck shell=bash
# Sourced first by every end-to-end script, which is run as:  bash SCRIPT BUILD
#     source "$(dirname "$0")/lib.sh" "$1" [display]
# The script then goes on in a scratch working directory holding an empty data/; with "display",
# under its own virtual X server of 1024x768.
set -euo pipefail
# A grep at the end of a pipe reads all its input (>/dev/null, not -q): one that stops at its
# match leaves the writer to die of SIGPIPE, which fails the pipe when it had more to write.

BUILD=$(cd "$1" && pwd)
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export SDL_AUDIODRIVER=dummy LIBGL_ALWAYS_SOFTWARE=1

# The search for a free server number starts at a random one: two scripts starting at once could
# otherwise both take the first. -noreset: by default the server resets when its last client
# leaves, and a program connecting during the reset (while a poll's xdotool has just left) is
# dropped and finds no display.
if [ "${2:-}" = display ] && [ -z "${INTRO_E2E_UNDER_XVFB:-}" ]; then
    INTRO_E2E_UNDER_XVFB=1 exec xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24 -noreset" bash "$0" "$BUILD"
fi

fail() { echo "FAIL: $*" >&2; exit 1; }

WORK=$(mktemp -d)
trap 'kill_intro; rm -rf "$WORK"' EXIT
cd "$WORK"
mkdir data

# Copies of the generated files, so that nothing a script writes reaches the build's own.
use_data() { for f in "$@"; do cp "$BUILD/content/$f" "data/$f"; done; }

INTRO_PID=
now_ms() { date +%s%3N; }

# Starts a program (build/afterglow unless one is named) in the background; its output goes to
# out.txt and err.txt.
start_intro() {
    STARTED_MS=$(now_ms)
    "${@:-$BUILD/afterglow}" >out.txt 2>err.txt &
    INTRO_PID=$!
}

kill_intro() { [ -z "$INTRO_PID" ] || kill -9 "$INTRO_PID" 2>/dev/null || true; }

# Polls a command every 0.1 s until it succeeds; fails after WAIT_S seconds (default 20), naming
# what was awaited ($1).
wait_until() {
    local what=$1 limit=${WAIT_S:-20}
    shift
    for _ in $(seq 1 $((limit * 10))); do
        "$@" && return 0
        sleep 0.1
    done
    fail "no $what within $limit s"
}

window_shown() {
    xdotool search --onlyvisible --class afterglow >/dev/null 2>&1 && return 0
    kill -0 "$INTRO_PID" 2>/dev/null || fail "ended before showing a window: $(cat out.txt err.txt)"
    return 1
}

# start_intro, then waits for its window.
start_window() { start_intro "$@" && wait_until "window" window_shown; }

# Waits up to $1 seconds for the program to end and sets EXIT_CODE.
wait_for_exit() {
    WAIT_S=$1 wait_until "end of the program" eval '! kill -0 "$INTRO_PID" 2>/dev/null'
    EXIT_CODE=0
    wait "$INTRO_PID" || EXIT_CODE=$?
    INTRO_PID=
}

# Space prints the clock: waits for its line $1 (default the first) on standard output.
press_space() {
    xdotool key space
    wait_until "clock line ${1:-1} after Space" awk -v n="${1:-1}" 'END { exit NR < n }' out.txt
}

press_escape() {
    xdotool key Escape
    wait_for_exit 10
    [ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE after Escape: $(cat err.txt)"
}

# The soundtrack, the fonts, and every image of the image list as a 64x64 TGA of its own solid
# colour but the numbers given.
IMAGE_FILES=(intro lobby_robot lobby_roboat stjerner scrolltext s1 s2 s3 s4 s5 s6 s7 s8 s9 s10
    credit1 credit2 credit3 lobby2 lobby3 hat hat1 hero debrief eksplo lommekniv)
image_colour() { echo "$(($1 * 9 + 20)),$((250 - $1 * 9)),$((($1 * 37) % 200 + 30))"; }
make_solid_data() {
    use_data vorn.mp3 fonts.data font_bold.tga font_mono.tga
    for n in "${!IMAGE_FILES[@]}"; do
        [[ " $* " == *" $n "* ]] ||
            convert -size 64x64 "xc:rgb($(image_colour "$n"))" -type TrueColor "data/${IMAGE_FILES[$n]}.tga"
    done
}

# The colour of pixel (x, y) of an image file, as r,g,b.
pixel_colour() {
    convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | sed -n 2p |
        sed -E 's/^[^(]*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}

# Whether colour $1 lies within 2 per channel of colour $2 (both r,g,b).
colour_near() {
    awk -v a="$1" -v b="$2" 'BEGIN { split(a, p, ","); split(b, q, ",")
        for (i = 1; i <= 3; i++) if ((p[i] - q[i]) ^ 2 > 4) exit 1 }'
}

# Fails unless colour $1 is near colour $2; $3 names the check.
expect_colour() { colour_near "$1" "$2" && echo "$3: $1" || fail "$3: $1, expected $2"; }

centre_colour() { import -window root screen.png 2>/dev/null && pixel_colour screen.png 512 384; }
centre_near() { colour_near "$(centre_colour)" "$1"; }

# Waits for the centre of the screen to show colour $1 ($2 names it), for a picture that changes
# to it and then holds.
wait_for_centre() { wait_until "$2: $1 at the centre" centre_near "$1" && echo "$2: $1"; }

# Runs a command that must fail: exit code $1, and a line of output holding $2.
expect_failure() {
    local code=$1 expected=$2 seen=0
    shift 2
    "$@" >err.txt 2>&1 || seen=$?
    [ "$seen" = "$code" ] || fail "exit code $seen, not $code: $* ($(cat err.txt))"
    grep -qF -- "$expected" err.txt || fail "for '$*' printed: $(cat err.txt)"
    echo "exit code $code: $(grep -F -- "$expected" err.txt)"
}

# The loudest sample, in dB, of a sound file or of a stretch of a video's sound (ffmpeg's input
# options).
loudest() {
    ffmpeg "$@" -af volumedetect -f null - 2>&1 | sed -n 's/.*max_volume: \(-*[0-9.]*\) dB.*/\1/p'
}

# Whether SDL's disk output has written half a second to sound.raw: whatever the run played first
# is in the file by then.
half_second_heard() { [ "$(stat -c %s sound.raw 2>/dev/null || echo 0)" -gt $((44100 * 4 / 2)) ]; }

# Replaces show/timeline.toml with standard input as editors save: a new file moved into place,
# never seen half written.
save_timeline() { cat >show/new.toml && mv show/new.toml show/timeline.toml; }

frames_of() {
    ffprobe -v error -count_frames -select_streams v:0 -show_entries stream=nb_read_frames -of csv=p=0 "$1"
}

# A capture of the whole show at 64x48 to long.mp4 in the background, once its encoder has begun
# (ffmpeg writes once its first frame is in, to a file beside the output until it is whole).
start_long_capture() {
    start_intro "$BUILD/afterglow-capture" --to 160000 --size 64x48 --output long.mp4
    wait_until "video begun" test -s ".long.mp4.$INTRO_PID.partial.mp4"
}

# Only a capture killed outright leaves its temporary file.
expect_no_partials() { ! find . -maxdepth 1 -name '.*.partial*' | grep . || fail "temporary files left"; }

# Breaks file $2 the way $1 names; $3 is a pristine copy.
break_file() {
    rm -rf "$2"
    case $1 in
    empty) : >"$2" ;;
    half) head -c $(($(stat -c %s "$3") / 2)) "$3" >"$2" ;;
    header) cp "$3" "$2" && printf '\x03' | dd of="$2" bs=1 seek=2 conv=notrunc 2>/dev/null ;;
    folder) mkdir "$2" ;;
    fifo) mkfifo "$2" ;;
    esac
}

# valgrind memcheck, reporting invalid accesses and definite leaks; reports of the libraries below
# us are listed, each with its reason, in tests/valgrind.supp. An array, not a function: started
# in the background, a function would run in a subshell that the clean-up's kill leaves valgrind
# behind.
MEMCHECK=(env LP_NUM_THREADS=0 valgrind --keep-debuginfo=yes --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite
    --show-leak-kinds=definite --num-callers=40 --suppressions="$HERE/../valgrind.supp")
