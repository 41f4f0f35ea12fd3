#!/usr/bin/env bash
# Under valgrind memcheck afterglow-capture, writing a short video, shows no invalid access and no
# definite leak.
source "$(dirname "$0")/lib.sh" "$1"

make_solid_data
code=0
"${MEMCHECK[@]}" --log-file=capture.log "$BUILD/afterglow-capture" --from 7000 --to 8000 --fps 10 --size 64x48 --output v.mp4 2>/dev/null || code=$?
[ "$code" = 0 ] || fail "afterglow-capture under valgrind: exit code $code: $(grep -A20 -E 'Invalid|definitely lost in' capture.log | head -60)"
