#!/usr/bin/env bash
# With --dev, a shader layer's file saved with a mistake is reported once, as FILE:LINE:, and the
# shader built before draws on; saved mended, the new one shows.
source "$(dirname "$0")/lib.sh" "$1" display

use_data vorn.mp3 fonts.data font_bold.tga font_mono.tga
solid() { printf 'void main() {\n    gl_FragColor = vec4(%s, 1.0);\n}\n' "$1"; }
solid "0.0, 1.0, 0.0" >glow.frag
cat >shader.toml <<'END'
soundtrack = "data/vorn.mp3"
[[scene]]
end = 60000
[[scene.layer]]
shader = "glow.frag"
END
start_window "$BUILD/afterglow" --dev --timeline shader.toml
wait_for_centre 0,255,0 "the shader's green"
# Saved as editors save: a new file moved into place.
printf 'void main() {\n    gl_FragColor = vec4(1.0) +;\n}\n' >new.frag && mv new.frag glow.frag
wait_until "the mistake reported" grep -Eq '^(\./)?glow\.frag:2: ' err.txt
expect_colour "$(centre_colour)" 0,255,0 "the green built before draws on"
solid "0.0, 0.0, 1.0" >new.frag && mv new.frag glow.frag
wait_for_centre 0,0,255 "the mended shader's blue"
reports=$(grep -Ec '^(\./)?glow\.frag:' err.txt)
[ "$reports" = 1 ] || fail "the mistake was reported $reports times: $(cat err.txt)"
press_escape
