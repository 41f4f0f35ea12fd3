# End-to-end: the real programs in a scratch working directory, under their own Xvfb where they
# need a display. One case a run:  bash e2e.sh BUILD CASE  (the cases are the functions below).
set -euo pipefail

BUILD=$(cd "$1" && pwd)
CASE=$2
HERE=$(cd "$(dirname "$0")" && pwd)
export SDL_AUDIODRIVER=dummy LIBGL_ALWAYS_SOFTWARE=1

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Re-runs this case under a fresh virtual X server of 1024x768. The search for a free server
# number starts at a random one: two cases starting at once could otherwise both take the first.
# -noreset: by default the server resets when its last client leaves, and a program connecting
# during the reset (while a poll's xdotool has just left) is dropped and finds no display.
run_under_xvfb() {
    if [ -z "${INTRO_E2E_UNDER_XVFB:-}" ]; then
        INTRO_E2E_UNDER_XVFB=1 exec xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24 -noreset" bash "$HERE/e2e.sh" "$BUILD" "$CASE"
    fi
}

WORK=$(mktemp -d)
trap 'kill_intro; rm -rf "$WORK"' EXIT
cd "$WORK"
mkdir data

# Copies of the generated files, so that nothing a case writes reaches the build's own.
use_data() { for f in "$@"; do cp "$BUILD/data/$f" "data/$f"; done; }

INTRO_PID=
now_ms() { date +%s%3N; }

# Starts a program (build/intro unless one is named) in the background; its output goes to
# out.txt and err.txt.
start_intro() {
    STARTED_MS=$(now_ms)
    "${@:-$BUILD/intro}" >out.txt 2>err.txt &
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
    xdotool search --onlyvisible --class intro >/dev/null 2>&1 && return 0
    kill -0 "$INTRO_PID" 2>/dev/null || fail "ended before showing a window: $(cat out.txt err.txt)"
    return 1
}
wait_for_window() { wait_until "window" window_shown; }

# Waits up to $1 seconds for the program to end and sets EXIT_CODE.
wait_for_exit() {
    WAIT_S=$1 wait_until "end of the program" eval '! kill -0 "$INTRO_PID" 2>/dev/null'
    EXIT_CODE=0
    wait "$INTRO_PID" || EXIT_CODE=$?
    INTRO_PID=
}

# Every image of the image list as a 64x64 TGA of its own solid colour, but the numbers given.
IMAGE_FILES=(intro lobby_robot lobby_roboat stjerner scrolltext s1 s2 s3 s4 s5 s6 s7 s8 s9 s10
    credit1 credit2 credit3 lobby2 lobby3 hat hat1 hero debrief eksplo lommekniv)
image_colour() { echo "$(($1 * 9 + 20)),$((250 - $1 * 9)),$((($1 * 37) % 200 + 30))"; }
make_solid_images() {
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

# Fails unless colour $1 lies within 2 per channel of colour $2 (both r,g,b); $3 names the check.
expect_colour() {
    local a b c x y z d
    IFS=, read -r a b c <<<"$1"
    IFS=, read -r x y z <<<"$2"
    for d in $((a - x)) $((b - y)) $((c - z)); do
        [ "${d#-}" -le 2 ] || fail "$3: $1, expected $2"
    done
    echo "$3: $1"
}

expect_centre() {
    import -window root screen.png
    expect_colour "$(pixel_colour screen.png 512 384)" "$1" "$2"
}

# Waits for the centre of the screen to show colour $1 ($2 names it), for a picture that changes
# to it and then holds.
wait_for_centre() {
    centre_is() { import -window root screen.png && (expect_colour "$(pixel_colour screen.png 512 384)" "$1" "$2") >/dev/null 2>&1; }
    wait_until "$2: $1 at the centre" centre_is "$1" "$2"
    echo "$2: $1"
}

# Runs a command that must fail: exit code $1, and a first line of output holding $2.
expect_failure() {
    local code=$1 expected=$2 seen=0
    shift 2
    "$@" >err.txt 2>&1 || seen=$?
    [ "$seen" = "$code" ] || fail "exit code $seen, not $code: $* ($(cat err.txt))"
    grep -qF -- "$expected" err.txt || fail "for '$*' printed: $(cat err.txt)"
    echo "exit code $code: $(grep -F -- "$expected" err.txt)"
}

frames_of() {
    ffprobe -v error -count_frames -select_streams v:0 -show_entries stream=nb_read_frames -of csv=p=0 "$1"
}

# Each failure of the music start prints its one "Error: " line (only that on standard output)
# and exits 1, before the window is even asked for (no display is needed to see it); a file the
# decoder still plays is played.
case_music() {
    expect_music() { # expected line, what it is
        local code=0
        env -u DISPLAY -u WAYLAND_DISPLAY "$BUILD/intro" >out.txt 2>/dev/null || code=$?
        [ "$code" = 1 ] && [ "$(cat out.txt)" = "$1" ] || fail "$2: exit code $code, printed '$(cat out.txt)'"
        rm -rf data/vorn.mp3
    }
    expect_music "Error: File not found" "missing file"
    mkdir data/vorn.mp3
    expect_music "Error: File not found" "a folder in its place"
    mkfifo data/vorn.mp3
    expect_music "Error: File not found" "a FIFO in its place"
    : >data/vorn.mp3
    expect_music "Error: Unknown file format" "empty file"
    head -c 100000 /dev/urandom >data/vorn.mp3
    expect_music "Error: Unknown file format" "random bytes"
    # An ID3 tag with no audio after it: it looks like MP3, but will not load.
    { printf 'ID3\x03\x00\x00\x00\x00\x00\x0a'; head -c 100000 /dev/zero; } >data/vorn.mp3
    expect_music "Error: Error loading file" "a tag without a stream"
    # Half a stream still plays: the start goes on to the window, here missing.
    head -c 500000 "$BUILD/data/vorn.mp3" >data/vorn.mp3
    expect_music "Error: No display found: set DISPLAY, or run the intro under Xvfb" "the first half"
    use_data vorn.mp3
    SDL_AUDIODRIVER=no-such-driver expect_music "Error: Error initializing output device." "no output device"
    # The sound library's own lines stay out when our line and the hint say it all.
    use_data vorn.mp3
    SDL_AUDIODRIVER=alsa AUDIODEV=hw:99 "$BUILD/intro" >out.txt 2>err.txt || true
    [ "$(cat err.txt)" = "intro: to play without sound: SDL_AUDIODRIVER=dummy intro" ] ||
        fail "no output device: standard error holds: $(cat err.txt)"
    # A soundtrack that is not there is named on standard error.
    env -u DISPLAY "$BUILD/intro" --data "$WORK/nowhere" >out.txt 2>err.txt || true
    [ "$(cat out.txt)" = "Error: File not found" ] && grep -qx "intro: the soundtrack: $WORK/nowhere/vorn.mp3" err.txt ||
        fail "missing soundtrack: printed '$(cat out.txt)', '$(cat err.txt)'"
    use_data vorn.mp3
    LD_PRELOAD="$BUILD/tests/libold_mixer.so" expect_music \
        "Error: You have the wrong SDL_mixer version - you should be using SDL_mixer 2.6.0" "old library"
}

# The window: with no display the intro refuses to play invisibly (exit code 1); full screen it
# covers the whole virtual screen, Space prints the clock in ms since the process started, and
# Escape ends the run with exit code 0. The scene writers' options: bad ones stop before any
# window or sound; --start shows what a run from the start shows then; --window gives a window
# of that size; with --dev, P holds the clock, Right seeks into the scene that time belongs to,
# and a rewritten image shows within a second while a broken one keeps the old picture and is
# reported.
case_window() {
    use_data vorn.mp3 fonts.data font_bold.tga font_mono.tga # no images: every quad draws white
    expect_failure 1 "Error: No display found" env -u DISPLAY -u WAYLAND_DISPLAY "$BUILD/intro"
    grep -qx "intro: no X11 or Wayland display could be opened (DISPLAY is not set); SDL picked its 'offscreen' video driver, which shows nothing" err.txt ||
        fail "no reason for the missing display: $(cat err.txt)"
    expect_failure 2 "intro: unknown option '--fullscreen'" "$BUILD/intro" --fullscreen
    grep -q '^usage: intro' err.txt || fail "no usage after a bad option"
    expect_failure 2 "--start takes milliseconds" "$BUILD/intro" --start soon
    "$BUILD/intro" --help | grep -q -- '--dev' || fail "--help prints no usage"
    run_under_xvfb
    start_intro
    wait_for_window
    # Every frame is the same white quad: once one is on screen the picture holds still.
    screen_covered() {
        import -window root shot.png && [ "$(convert shot.png -colorspace gray -format '%[fx:minima]' info:)" = 1 ]
    }
    wait_until "screen covered by the white quad" screen_covered
    local before=$(($(now_ms) - STARTED_MS))
    xdotool key space
    wait_until "clock printed after Space" grep -q . out.txt
    local after=$(($(now_ms) - STARTED_MS)) value
    xdotool key Escape
    wait_for_exit 10
    value=$(cat out.txt)
    # The process starts a little after it was launched, so its clock may lag a little.
    [ "$EXIT_CODE" = 0 ] && [[ "$value" =~ ^[0-9]+$ ]] && [ "$value" -ge $((before - 1000)) ] &&
        [ "$value" -le "$after" ] || fail "exit code $EXIT_CODE, Space printed '$value', not in [$before, $after]"
    echo "full screen covered; Space printed $value ms; Escape exits 0"
    make_solid_images
    # Scene 6 shows image 6 from 74411 to 81011 ms: seconds on screen, however slow the start.
    start_intro "$BUILD/intro" --start 75000 --window=800x600
    wait_for_window
    wait_until "800x600 window" bash -c "xdotool search --onlyvisible --class intro getwindowgeometry | grep -q 'Geometry: 800x600'"
    wait_for_centre "$(image_colour 6)" "--start 75000: scene 6's image"
    xdotool key Escape
    wait_for_exit 10

    mkdir other && mv data other/data
    start_intro "$BUILD/intro" --dev --start 52000 --data other/data
    wait_for_window
    xdotool key p space
    wait_until "clock printed after Space" grep -q . out.txt
    # Paused between 52 and 63 s: Right lands in scene 4 (57004 to 68211 ms), image 2.
    xdotool key space p Right
    wait_until "second clock printed" test "$(wc -l <out.txt)" = 2
    [ "$(sort -u out.txt | wc -l)" = 1 ] || fail "two Spaces while paused printed: $(cat out.txt)"
    xdotool key p
    wait_for_centre "$(image_colour 2)" "Right from 52 s: scene 4"
    local before=$(now_ms)
    convert -size 64x64 "xc:rgb(10,20,30)" -type TrueColor other/data/lobby_roboat.tga
    wait_for_centre 10,20,30 "the rewritten image"
    echo "a rewritten image showed after $(($(now_ms) - before)) ms"
    head -c 100 /dev/urandom >other/data/lobby_roboat.tga
    wait_until "report of the broken rewrite" grep -q '^Assertion failed' err.txt
    expect_centre 10,20,30 "a broken rewrite keeps the picture"
    xdotool key Escape
    wait_for_exit 10
    [ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE"
}

# Installed under another prefix and run from elsewhere, the capture tool finds its data and
# draws what the build tree's draws; the example builds against the installed library through
# CMake and pkg-config; the Debian package holds what it should and lintian finds no error; the
# man pages render without warnings.
case_install() {
    local prefix=$WORK/stage/opt/afterglow
    DESTDIR=$WORK/stage cmake --install "$BUILD" --prefix /opt/afterglow >/dev/null
    (cd / && "$prefix/games/afterglow-capture" --at 3000 --size 160x90 --output "$WORK/installed.png" 2>/dev/null)
    (cd "$BUILD" && ./intro-capture --at 3000 --size 160x90 --output "$WORK/tree.png" 2>/dev/null)
    cmp -s installed.png tree.png || fail "the installed capture tool drew another still"
    [ -e "$prefix/include/afterglow/draw/Camera.h" ] && [ ! -e "$prefix/include/afterglow/app" ] &&
        [ ! -e "$prefix/include/afterglow/tools/capture" ] || fail "the installed headers are not the library's face"
    cmake -S "$HERE/../../examples" -B example -DCMAKE_PREFIX_PATH="$prefix" >/dev/null &&
        cmake --build example >/dev/null || fail "the example does not build with find_package"
    g++ -std=c++17 "$HERE/../../examples/text_overlay.cpp" -o pc-overlay \
        $(PKG_CONFIG_PATH=$prefix/lib/pkgconfig pkg-config --define-prefix --cflags --libs afterglow) ||
        fail "the example does not build with pkg-config"
    for program in example/text-overlay pc-overlay; do
        (cd "$BUILD" && "$WORK/$program" "$WORK/$(basename $program).png" >/dev/null) || fail "$program failed"
    done
    (cd "$BUILD" && cpack -G DEB -B "$WORK/package" >/dev/null) || fail "no package"
    local deb=$(ls "$WORK"/package/afterglow-intro_*.deb)
    dpkg-deb --contents "$deb" >contents.txt
    for file in games/afterglow games/afterglow-capture share/games/afterglow/vorn.mp3 \
        share/man/man6/afterglow.6.gz share/applications/afterglow.desktop afterglow.pc; do
        grep -q "$file" contents.txt || fail "the package lacks $file"
    done
    lintian "$deb" >lintian.txt 2>&1 || true
    ! grep '^E:' lintian.txt || fail "lintian reports errors"
    for page in afterglow afterglow-capture; do
        [ -z "$(MANWIDTH=80 man --warnings -l "$BUILD/man/$page.6.gz" 2>&1 >/dev/null)" ] || fail "$page.6 warns"
    done
}

# intro-assets writes the same bytes on every run, and fails clearly without lame.
case_assets() {
    "$BUILD/intro-assets" again || fail "intro-assets failed"
    local count=0 f
    for f in "$BUILD"/data/*; do
        [ "$(basename "$f")" = stamp ] && continue
        cmp -s "$f" "again/$(basename "$f")" || fail "$(basename "$f") differs between two runs"
        count=$((count + 1))
    done
    [ "$count" -ge 30 ] || fail "only $count files were written"
    # Each picture's origin flag says which way its rows run: the generated full-screen images
    # run bottom row first, the scroll text and the font atlases top row first.
    for f in intro:00 s3:00 scrolltext:20 font_mono:20; do
        [ "$(xxd -s 17 -l 1 -p "again/${f%:*}.tga")" = "${f#*:}" ] || fail "${f%:*}.tga: wrong origin flag"
    done
    # Retouched the README's way in ImageMagick, a picture shows upright in the intro: a red
    # square at the top-left of s1 (image 5, on screen in scene 5) is at the still's top-left.
    cp again/s1.tga again/vorn.mp3 data/
    convert data/s1.tga -auto-orient -fill red -draw 'rectangle 0,0 127,127' -flip -orient BottomLeft -type TrueColor data/s1.tga
    [ "$(xxd -s 16 -l 1 -p data/s1.tga)" = 18 ] || fail "the recipe did not keep s1 at 24 bits"
    # The other 25 images are missing: the still is written, and the exit code says so.
    local code=0
    "$BUILD/intro-capture" --at 70000 --size 64x64 --output s1.png 2>/dev/null || code=$?
    [ $code = 3 ] || fail "no still of s1: exit code $code"
    expect_colour "$(pixel_colour s1.png 3 3)" 255,0,0 "retouched s1: the square at the top-left"
    [ "$(pixel_colour s1.png 3 60)" != 255,0,0 ] || fail "retouched s1 shows upside-down"
    mkdir bin
    expect_failure 1 "intro-assets: lame not found" env PATH="$WORK/bin" "$BUILD/intro-assets" nolame
    expect_failure 2 "intro-assets: unknown option '--fast'" "$BUILD/intro-assets" --fast
    expect_failure 2 "intro-assets: one folder at most" "$BUILD/intro-assets" a b
    [ ! -e --fast ] && [ ! -e a ] || fail "intro-assets wrote a folder after a mistake"
    "$BUILD/intro-assets" --help | grep -q '^usage: intro-assets' || fail "intro-assets --help prints no usage"
}

# intro-capture: stills show what the intro shows at their clock value, two stills of one time are
# the same bytes, a video has every frame it claims, names are never read as anything but names,
# and every failure or interruption is said in one line with its own exit code.
case_capture() {
    use_data vorn.mp3
    make_solid_images 2
    # Image 2 (scene 4) half transparent: drawn after scene 1 it blends to half its colour.
    convert -size 64x64 "xc:rgba(200,120,40,0.5)" -type TrueColorAlpha data/lobby_roboat.tga
    local capture=("$BUILD/intro-capture")
    for check in "7500 32 24 $(image_colour 0) scene 0 at its last millisecond" \
        "7501 2 2 $(image_colour 3) scene 1 above the scroller" \
        "53670 32 24 $(image_colour 18) scene 3 after its first switch" \
        "60000 32 24 100,60,20 scene 4: half alpha, blended as scene 1 left it" \
        "81511 32 24 $(image_colour 8) the flip-book's second frame" \
        "160001 32 24 0,0,0 the end: nothing drawn"; do
        read -r at x y colour label <<<"$check"
        "${capture[@]}" --at "$at" --size 64x48 --output "still-$at.png" 2>>capture.log || fail "still at $at"
        expect_colour "$(pixel_colour "still-$at.png" "$x" "$y")" "$colour" "$label (at $at ms)"
    done
    # --data from elsewhere reads the same pictures.
    (mkdir elsewhere && cd elsewhere && "${capture[@]}" --at 7500 --size 64x48 --data ../data --output ../data-7500.png 2>/dev/null) &&
        cmp -s data-7500.png still-7500.png || fail "--data ../data drew another still"

    # Videos, after the music's end too: every frame claimed is in the file, with sound.
    for span in "40000 42000 20" "170000 172000 20" "158000 165000 70"; do
        read -r from to frames <<<"$span"
        "${capture[@]}" --from "$from" --to "$to" --fps 10 --size 64x48 --output v.mp4 2>capture.log ||
            fail "video $from to $to failed: $(cat capture.log)"
        [ "$(frames_of v.mp4)" = "$frames" ] && grep -q "wrote $frames frames" capture.log ||
            fail "video $from to $to: $(frames_of v.mp4) frames: $(cat capture.log)"
        [ "$(ffprobe -v error -show_entries stream=codec_type -of csv=p=0 v.mp4 | sort | tr '\n' ' ')" = "audio video " ] ||
            fail "video $from to $to lacks a stream"
    done

    # Frames drawn once and repeated by the encoder decode the same as frames all drawn: across
    # the scroller, a switch inside scene 2, still scenes and the flip-book.
    for way in fast every-frame; do
        "${capture[@]}" --from 37000 --to 84000 --fps 10 --size 160x90 $([ $way = fast ] || echo --every-frame) --output $way.mp4 2>/dev/null
        ffmpeg -v error -i $way.mp4 -map 0:v -f framemd5 - | grep -v '^#' | awk '{print $6}' >$way.md5
    done
    [ "$(wc -l <fast.md5)" = 470 ] && cmp -s fast.md5 every-frame.md5 ||
        fail "frames drawn once differ from frames drawn every time"

    # Names with quotes, shell syntax or a leading dash are file names, nothing else.
    for name in "x'\$(touch PWNED)'.mp4" "bob's intro.mp4" "-x.mp4"; do
        "${capture[@]}" --to 300 --fps 10 --size 64x48 --output "$name" 2>/dev/null || fail "video '$name' failed"
        [ ! -e PWNED ] && [ "$(frames_of "./$name")" = 3 ] || fail "video '$name' was not written as named"
    done

    expect_failure 2 "unknown option '--speed'" "${capture[@]}" --speed 2 --output x.mp4
    grep -q '^usage: intro-capture' err.txt || fail "no usage text after an unknown option"
    expect_failure 2 "--at takes milliseconds" "${capture[@]}" --at soon --output x.png
    expect_failure 1 "cannot write /no/such/folder/x.png" "${capture[@]}" --at 5 --output /no/such/folder/x.png
    ln -s /dev/full full.png
    expect_failure 1 "cannot write full.png: No space left on device" "${capture[@]}" --at 5 --size 64x48 --output full.png
    # A failed capture leaves the file there as it was.
    for name in keep.png keep.mp4; do
        echo kept >"$name"
        expect_failure 1 "no offscreen GL context" env MESA_LOADER_DRIVER_OVERRIDE=nonexistent LIBGL_DRIVERS_PATH=/nonexistent \
            "${capture[@]}" $([ $name = keep.png ] && echo --at 5 || echo --to 100) --size 64x48 --output $name
        [ "$(cat $name)" = kept ] || fail "a failed capture changed $name"
    done
    # A FIFO takes the still, opened once; a video, which is written with seeks, wants a file.
    mkfifo fifo.png
    cat fifo.png >from-fifo.png &
    "${capture[@]}" --at 7500 --size 64x48 --output fifo.png 2>/dev/null || { : >fifo.png; fail "still to a FIFO"; }
    wait $!
    cmp -s from-fifo.png still-7500.png || fail "the still through a FIFO differs"
    mkfifo fifo.mp4
    expect_failure 1 "cannot write fifo.mp4: a video needs a regular file" "${capture[@]}" --to 100 --size 64x48 --output fifo.mp4
    local code=0
    "${capture[@]}" --help >/dev/full 2>err.txt || code=$?
    [ $code = 1 ] && grep -q "could not write to standard output" err.txt || fail "--help to a full disk: exit code $code"
    # Images that did not load: the still is written, white where they are, and the exit code says so.
    mkdir sound-only && cp data/vorn.mp3 sound-only/
    expect_failure 3 "26 of 26 images did not load; the still shows them white" "${capture[@]}" --at 7500 --size 64x48 --data sound-only --output white.png
    expect_colour "$(pixel_colour white.png 32 24)" 255,255,255 "a still without its images"
    use_data fonts.data font_bold.tga font_mono.tga
    expect_failure 1 "text-overlay: cannot write /dev/full" "$BUILD/text-overlay" /dev/full
    mkdir bin
    expect_failure 1 "ffmpeg not found" env PATH="$WORK/bin" "${capture[@]}" --to 100 --output x.mp4
    printf '#!/bin/sh\necho "no space left" >&2\nexit 1\n' >bin/ffmpeg
    chmod +x bin/ffmpeg
    expect_failure 1 "ffmpeg failed after" env PATH="$WORK/bin" "${capture[@]}" --to 100 --size 64x48 --output x.mp4
    grep -q "no space left" err.txt || fail "ffmpeg's own words are not passed on: $(cat err.txt)"

    # Interrupted: the frames so far make a playable file, and the exit code names the signal.
    for signal in INT TERM; do
        rm -f long.mp4
        start_intro "${capture[@]}" --to 160000 --size 64x48 --output long.mp4
        # ffmpeg writes once its first frame is in, to a file beside the output until it is whole.
        wait_until "video begun" test -s ".long.mp4.$INTRO_PID.partial.mp4"
        kill -"$signal" "$INTRO_PID"
        wait_for_exit 20
        local held
        held=$(frames_of long.mp4)
        [ "$EXIT_CODE" = $((128 + $(kill -l "$signal"))) ] && [ "$held" -gt 0 ] &&
            grep -q "interrupted: long.mp4 is partial, it holds $held of 9600 frames" err.txt ||
            fail "SIG$signal: exit code $EXIT_CODE, $held frames: $(cat err.txt)"
    done
    # An encoder that reads nothing and never ends: a stop signal still ends the capture and the
    # encoder with it, and so does killing the capture outright. Its unique path finds it.
    mkdir hang
    cp "$(command -v sleep)" hang/hung-encoder
    printf '#!/bin/sh\nexec "%s" 1000\n' "$WORK/hang/hung-encoder" >hang/ffmpeg
    chmod +x hang/ffmpeg
    local killed
    for stop in INT KILL; do
        start_intro env PATH="$WORK/hang:$PATH" "${capture[@]}" --to 86400000 --fps 240 --size 64x64 --output hang.mp4
        killed=$INTRO_PID
        wait_until "the hung encoder's start" pgrep -f "$WORK/hang/hung-encoder" -P "$INTRO_PID" >/dev/null
        kill -"$stop" "$INTRO_PID"
        wait_for_exit 20
        wait_until "the hung encoder's end after SIG$stop" eval '! pgrep -f "$WORK/hang/hung-encoder" >/dev/null'
        [ "$stop" = KILL ] || { [ "$EXIT_CODE" = 130 ] && grep -q "interrupted: ffmpeg had to be ended before it finished hang.mp4" err.txt; } ||
            fail "hung encoder, SIG$stop: exit code $EXIT_CODE: $(cat err.txt)"
    done

    # The encoder gone: the capture stops at once, with the reason.
    rm -f long.mp4
    start_intro "${capture[@]}" --to 160000 --size 64x48 --output long.mp4
    wait_until "video begun" test -s ".long.mp4.$INTRO_PID.partial.mp4"
    pkill -KILL -P "$INTRO_PID" -x ffmpeg
    wait_for_exit 10
    [ "$EXIT_CODE" = 1 ] && grep -q "ffmpeg failed after" err.txt && [ ! -e long.mp4 ] || fail "ffmpeg killed: $EXIT_CODE, $(cat err.txt)"
    # Only a capture killed outright leaves its temporary file.
    [ -z "$(find . -maxdepth 1 -name '.*.partial*' ! -name ".hang.mp4.$killed.partial.mp4")" ] ||
        fail "temporary files left: $(find . -maxdepth 1 -name '.*.partial*')"
}

# Under valgrind memcheck: the intro for a short run (start-up, frames, Escape, the at-exit
# teardowns) and intro-capture writing a short video show no invalid access and no definite leak.
# Reports of the libraries below us are listed, each with its reason, in tests/valgrind.supp.
case_valgrind() {
    run_under_xvfb
    use_data vorn.mp3 font_bold.tga font_mono.tga fonts.data
    make_solid_images
    # An array, not a function: started in the background, a function would run in a subshell
    # that the clean-up's kill leaves valgrind behind.
    local memcheck=(env LP_NUM_THREADS=0 valgrind --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite
        --show-leak-kinds=definite --num-callers=40 --suppressions="$HERE/../valgrind.supp")
    start_intro "${memcheck[@]}" --log-file=intro.log "$BUILD/intro"
    wait_for_window
    # Space answers once frames are being drawn and keys read: then Escape.
    xdotool key space
    WAIT_S=120 wait_until "clock printed after Space" grep -q . out.txt
    xdotool key Escape
    wait_for_exit 120
    [ "$EXIT_CODE" = 0 ] && grep -q "ERROR SUMMARY: 0 errors" intro.log ||
        fail "intro under valgrind: exit code $EXIT_CODE: $(grep -A20 -E 'Invalid|definitely lost in' intro.log | head -60)"
    local code=0
    "${memcheck[@]}" --log-file=capture.log "$BUILD/intro-capture" --from 7000 --to 8000 --fps 10 --size 64x48 --output v.mp4 2>/dev/null || code=$?
    [ "$code" = 0 ] || fail "intro-capture under valgrind: exit code $code: $(grep -A20 -E 'Invalid|definitely lost in' capture.log | head -60)"
}

# Bad data: one image broken each way a file can be, then the font table. A broken image is
# reported and drawn untextured while the others still show; a broken font table is reported and
# reads as its empty answers (through the example). Nothing crashes, nothing hangs.
case_bad_data() {
    use_data vorn.mp3
    make_solid_images
    cp data/intro.tga intro.tga
    cp "$BUILD/data/fonts.data" fonts.data
    local faults=(missing empty half header folder fifo huge) fault
    declare -A report=([missing]="could not open texture file" [empty]="Could not read file header"
        [half]="Could not read image data" [header]="TGA file be type 2 or type 10: Invalid Image"
        [folder]="could not open texture file" [fifo]="could not open texture file"
        [huge]="Image larger than the largest texture")
    break_file() { # fault, file, pristine copy
        rm -rf "$2"
        case $1 in
        empty) : >"$2" ;;
        half) head -c $(($(stat -c %s "$3") / 2)) "$3" >"$2" ;;
        header) cp "$3" "$2" && printf '\x03' | dd of="$2" bs=1 seek=2 conv=notrunc 2>/dev/null ;;
        folder) mkdir "$2" ;;
        fifo) mkfifo "$2" ;;
        # 16385 x 16385 in runs of 128: a file that could hold the image, past any texture
        huge) { printf '\0\0\x0a\0\0\0\0\0\0\0\0\0\x01\x40\x01\x40\x18\0'; head -c 8400000 /dev/zero | tr '\0' '\377'; } >"$2" ;;
        esac
    }
    local code
    for fault in "${faults[@]}"; do
        break_file "$fault" data/intro.tga intro.tga
        code=0
        timeout 20 "$BUILD/intro-capture" --at 3000 --size 64x48 --output still.png 2>err.txt || code=$?
        [ $code = 3 ] && grep -q "1 of 26 images did not load" err.txt || fail "image $fault: exit code $code"
        [ "$(pixel_colour still.png 32 24)" = 255,255,255 ] || fail "image $fault: not drawn untextured"
        grep -qx "Assertion failed: false && \"${report[$fault]}\", file TGALoader.cpp, line [0-9]*" err.txt ||
            fail "image $fault: report missing: $(cat err.txt)"
        timeout 20 "$BUILD/intro-capture" --at 62000 --size 64x48 --output other.png 2>/dev/null || [ $? = 3 ] ||
            fail "image $fault: no still of image 2"
        [ "$(pixel_colour other.png 32 24)" = "$(image_colour 2)" ] || fail "image $fault: image 2 harmed"
    done
    (
        cd "$BUILD" # the example reads the default fonts: break copies of its folder's table
        local opened='indata.is_open() && "file not found", file LookupTableLoader.cpp'
        declare -A expected=([missing]=$opened [folder]=$opened [fifo]=$opened [empty]='lists 0 fonts'
            [half]='could not open texture file' [header]='no filename given'
            [many]='"Fonts past the 256th are not loaded"' [long]='line 3: longer than 65535 characters')
        for fault in "${!expected[@]}"; do
            mkdir -p "$WORK/fonts/data" && cp -r data/*.tga "$WORK/fonts/data/"
            cd "$WORK/fonts"
            case $fault in
            many) for i in $(seq 1 10000); do echo "data/font_bold.tga -7 2"; done | sed '1i mapfile xspace yspace' >data/fonts.data ;;
            long) { head -n 2 "$WORK/fonts.data"; head -c 70000 /dev/zero | tr '\0' x; echo; tail -n 1 "$WORK/fonts.data"; } >data/fonts.data ;;
            *) break_file "$fault" data/fonts.data "$WORK/fonts.data" ;;
            esac
            local code=0
            timeout 30 "$BUILD/text-overlay" overlay.png >out.txt 2>err.txt || code=$?
            [ "$code" -lt 124 ] || fail "fonts.data $fault: exit code $code"
            grep -q -- "${expected[$fault]}" err.txt || fail "fonts.data $fault: $(cat err.txt)"
            cd "$WORK" && rm -rf fonts
        done
    )
}

"case_$CASE"
