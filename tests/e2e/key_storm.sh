# A thousand random key presses and releases, Escape last: the intro takes them one a frame,
# never crashes, and ends with exit code 0. SDL reads a release followed at once by a press of the
# same key as auto-repeat, as a held key, so repeated Spaces print fewer lines than presses; the
# clock lines it prints are in order.
source "$(dirname "$0")/lib.sh" "$@"
run_under_xvfb
use_data vorn.mp3
make_solid_images

keys=()
spaces=0
RANDOM=7 # the same storm every run
pool=(space a x Shift_L Left Tab BackSpace space KP_Add Up)
for _ in $(seq 1 1000); do
    if [ $((RANDOM % 250)) = 0 ]; then
        keys+=(Return) # now and then a skip, but not enough to end the timeline
    else
        k=${pool[$((RANDOM % ${#pool[@]}))]}
        keys+=("$k")
        [ "$k" = space ] && spaces=$((spaces + 1))
    fi
done

start_intro
wait_for_window
xdotool key --delay 2 "${keys[@]}" Escape
wait_for_exit 150
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE: $(tail -n 5 err.txt)"
lines=$(wc -l <out.txt)
[ "$lines" -gt 0 ] && [ "$lines" -le "$spaces" ] || fail "$spaces Space presses printed $lines clock lines"
grep -qv '^[0-9][0-9]*$' out.txt && fail "a line that is not a clock value: $(grep -v '^[0-9]*$' out.txt | head -n 1)"
sort -n -c out.txt || fail "the clock lines are out of order"
echo "1000 keys: $spaces Space presses, $lines clock lines, exit code 0"
