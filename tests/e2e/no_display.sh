# With no display at all the intro refuses to play invisibly: one "Error: " line, exit code 1.
source "$(dirname "$0")/lib.sh" "$@"
use_data vorn.mp3

code=0
env -u DISPLAY -u WAYLAND_DISPLAY "$BUILD/intro" >out.txt 2>err.txt || code=$?
[ "$code" = 1 ] || fail "exit code $code"
[ "$(wc -l <out.txt)" = 1 ] || fail "expected one line, got: $(cat out.txt)"
grep -q '^Error: No display found' out.txt || fail "unexpected line: $(cat out.txt)"
echo "$(cat out.txt)"
