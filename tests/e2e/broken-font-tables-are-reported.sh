#!/usr/bin/env bash
# The font table broken each way a file can be, and past its bounds: it is reported and reads as
# its empty answers (through the example, which reads the default fonts). Nothing crashes,
# nothing hangs.
source "$(dirname "$0")/lib.sh" "$1"

use_data fonts.data font_bold.tga font_mono.tga
cp data/fonts.data fonts.data
opened='indata.is_open() && "file not found", file LookupTableLoader.cpp'
declare -A expected=([missing]=$opened [folder]=$opened [fifo]=$opened [empty]='lists 0 fonts'
    [half]='could not open texture file' [header]='no filename given'
    [many]='"Fonts past the 256th are not loaded"')
for fault in many missing empty half header folder fifo; do
    case $fault in
    many) for _ in $(seq 1 10000); do echo "data/font_bold.tga -7 2"; done | sed '1i mapfile xspace yspace' >data/fonts.data ;;
    *) break_file "$fault" data/fonts.data fonts.data ;;
    esac
    code=0
    timeout 30 "$BUILD/text-overlay" overlay.png >out.txt 2>err.txt || code=$?
    [ "$code" -lt 124 ] || fail "fonts.data $fault: exit code $code"
    grep -q -- "${expected[$fault]}" err.txt || fail "fonts.data $fault: $(cat err.txt)"
done
