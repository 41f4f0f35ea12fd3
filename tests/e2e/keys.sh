# Space prints the clock once a keystroke, with the time since the process started; Enter skips.
source "$(dirname "$0")/lib.sh" "$@"
run_under_xvfb
use_data vorn.mp3

start_intro
wait_for_window
sleep 1.5
before=$(($(now_ms) - STARTED_MS))
xdotool key space
sleep 0.5
after=$(($(now_ms) - STARTED_MS))
xdotool key Escape
wait_for_exit 10
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE"

lines=$(wc -l <out.txt)
[ "$lines" = 1 ] || fail "expected one clock line, got $lines: $(cat out.txt)"
value=$(cat out.txt)
[[ "$value" =~ ^[0-9]+$ ]] || fail "clock line is not a number: $value"
# The process starts a little after it was launched, so its clock may lag by a few hundred ms.
if [ "$value" -lt $((before - 1000)) ] || [ "$value" -gt "$after" ]; then
    fail "clock line $value outside the key's window [$before, $after] ms since launch"
fi
echo "Space printed $value ms (pressed between $before and $after ms after launch)"
