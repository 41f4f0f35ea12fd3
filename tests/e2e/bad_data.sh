# The bad-data matrix: every data file the programs read, each broken five ways (missing, empty,
# cut in half, a corrupted header byte, a folder in its place). A broken image is reported and
# drawn untextured while the others still show (seen in intro-capture stills); broken music stops
# the intro with its "Error: " line before any window, or plays if it still decodes; a broken font
# table is reported and reads as its empty answers (through the example). Nothing crashes.
source "$(dirname "$0")/lib.sh" "$@"
run_under_xvfb
use_data vorn.mp3
make_solid_images
mkdir pristine
cp data/*.tga pristine/
cp "$BUILD/data/vorn.mp3" pristine/
cp "$BUILD/data/fonts.data" "$BUILD/data/font_sans.tga" "$BUILD/data/font_mono.tga" "$BUILD/data/stjerner.tga" pristine/

FAULTS=(missing empty half header folder)
break_file() { # fault, file
    rm -rf "$2"
    case $1 in
    missing) ;;
    empty) : >"$2" ;;
    half) head -c $(($(stat -c %s "pristine/$(basename "$2")") / 2)) "pristine/$(basename "$2")" >"$2" ;;
    header) cp "pristine/$(basename "$2")" "$2" && printf '\x03' | dd of="$2" bs=1 seek=2 conv=notrunc 2>/dev/null ;;
    folder) mkdir "$2" ;;
    esac
}
restore() { rm -rf "$1" && cp "pristine/$(basename "$1")" "$1"; }
no_crash() { [ "$1" -lt 128 ] || fail "$2: killed by signal $(($1 - 128))"; }

# When each image fills the centre of the screen (the scroll text: the plane over the centre).
SHOWN=(3000 51671 60000 7600 20000 70000 78000 81012 81511 83012 84512 85012 92000 94000 100000
    131611 136000 150000 55670 - 45000 40500 39000 125000 115000 107611)
declare -A REPORT=([missing]="could not open texture file" [empty]="Could not read file header"
    [half]="Could not read image data" [header]="TGA file be type 2 or type 10: Invalid Image"
    [folder]="Could not read file header")

centre_of() { # time
    "$BUILD/intro-capture" --at "$1" --size 64x48 --output still.png 2>>capture.err || fail "capture at $1"
    pixel_colour still.png 32 24
}

for n in "${!IMAGE_FILES[@]}"; do
    file="data/${IMAGE_FILES[$n]}.tga"
    for fault in "${FAULTS[@]}"; do
        label="image $n ($file) $fault"
        break_file "$fault" "$file"
        : >capture.err
        if [ "${SHOWN[$n]}" != - ]; then
            seen=$(centre_of "${SHOWN[$n]}")
            [ "$seen" = 255,255,255 ] || fail "$label: drawn as $seen, not untextured white"
        fi
        # The next image that fills the centre alone: not 3 and 4 (the scroller blends them
        # together) nor 19 (never shown by the timeline itself).
        other=$(((n + 1) % 26))
        while [ "$other" = 3 ] || [ "$other" = 4 ] || [ "$other" = 19 ]; do other=$((other + 1)); done
        expected=$(image_colour "$other")
        seen=$(centre_of "${SHOWN[$other]}")
        [ "$seen" = "$expected" ] || fail "$label: image $other shows $seen, not $expected"
        grep -q "^Assertion failed: false && \"${REPORT[$fault]}\", file TGALoader.cpp, line [0-9]*$" capture.err ||
            fail "$label: report missing: $(cat capture.err)"
        restore "$file"
    done
    echo "image $n: all five faults reported, drawn untextured, image $other unharmed"
done

# The soundtrack, through the real intro.
declare -A MUSIC=([missing]="Error: File not found" [empty]="Error: Unknown file format"
    [half]="" [header]="Error: Unknown file format" [folder]="Error: File not found")
for fault in "${FAULTS[@]}"; do
    break_file "$fault" data/vorn.mp3
    # A corrupted first byte breaks the stream's first frame header.
    [ "$fault" = header ] && printf '\x00' | dd of=data/vorn.mp3 bs=1 seek=0 conv=notrunc 2>/dev/null
    start_intro
    if [ -z "${MUSIC[$fault]}" ]; then
        wait_for_window # half a stream still decodes: the intro plays
        xdotool key Escape
        wait_for_exit 20
        [ "$EXIT_CODE" = 0 ] || fail "music $fault: exit code $EXIT_CODE"
        echo "music $fault: plays, exit code 0"
    else
        wait_for_exit 20
        [ "$EXIT_CODE" = 1 ] && [ "$(cat out.txt)" = "${MUSIC[$fault]}" ] ||
            fail "music $fault: exit code $EXIT_CODE, printed '$(cat out.txt)'"
        echo "music $fault: ${MUSIC[$fault]}, exit code 1"
    fi
    restore data/vorn.mp3
done

# The font table, through the example program.
for f in fonts.data font_sans.tga font_mono.tga stjerner.tga; do restore "data/$f"; done
for fault in "${FAULTS[@]}"; do
    break_file "$fault" data/fonts.data
    code=0
    "$BUILD/text-overlay" overlay.png >out.txt 2>err.txt || code=$?
    no_crash "$code" "fonts.data $fault"
    case $fault in
    missing)
        grep -q '^Assertion failed: indata.is_open() && "file not found", file LookupTableLoader.cpp' err.txt ||
            fail "fonts.data missing: no report: $(cat err.txt)"
        grep -q 'lists 0 fonts' err.txt || fail "fonts.data missing: $(cat err.txt)" ;;
    empty | folder)
        grep -q 'lists 0 fonts' err.txt || fail "fonts.data $fault: $(cat err.txt)" ;;
    half) # the cut leaves one font, whose atlas name is cut short
        grep -q 'could not open texture file' err.txt || fail "fonts.data half: $(cat err.txt)" ;;
    header) # "mapfile" becomes another key: every atlas name reads empty
        grep -q 'no filename given' err.txt || fail "fonts.data header: $(cat err.txt)"
        [ "$code" = 0 ] || fail "fonts.data header: exit code $code" ;;
    esac
    echo "fonts.data $fault: exit code $code, $(head -n 1 err.txt | cut -c1-80)"
    restore data/fonts.data
done
