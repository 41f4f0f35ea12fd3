#!/usr/bin/env bash
# The gallery's intros, made as make gallery makes them: each plays, and its stills at the
# chosen moments are the ones docs/gallery/ holds. They are byte for byte those of the machine
# that made them; the software rasterizer compiles its code for the processor it runs on, and
# one with other instructions may round a channel by a step: then all but 0.5% of the pixels
# must lie within 2% of them.
source "$(dirname "$0")/lib.sh" "$1" display

"$HERE/../../examples/intros/make-pictures" gallery
stills=(title:1200 title:6000 flight:2000 flight:6000 shader:1500 shader:5000)
for still in "${stills[@]}"; do
    intro=${still%:*} at=${still#*:}
    expected="$HERE/../../docs/gallery/$intro-$at.png"
    "$BUILD/afterglow-capture" --data "$BUILD/content" --timeline "gallery/$intro/timeline.toml" \
        --at "$at" --size 320x180 --output still.png 2>capture.txt ||
        fail "$intro at $at ms did not capture: $(cat capture.txt)"
    if ! cmp -s still.png "$expected"; then
        differing=$(compare -metric AE -fuzz 2% still.png "$expected" null: 2>&1 || true)
        [ "${differing%% *}" -le 288 ] 2>/dev/null ||
            fail "$intro at $at ms differs from $expected in $differing pixels"
        echo "$intro at $at ms: $differing pixels round otherwise"
    fi
done
drawn() { [ "$(centre_colour)" != 0,0,0 ]; }
for intro in title flight shader; do
    start_window "$BUILD/afterglow" --data "$BUILD/content" --window \
        --timeline "gallery/$intro/timeline.toml" --start 3000
    wait_until "$intro drawn" drawn
    press_escape
done
