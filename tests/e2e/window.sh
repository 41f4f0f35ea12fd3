# The intro's window covers the whole virtual screen, and Escape ends the run with exit code 0.
source "$(dirname "$0")/lib.sh" "$@"
run_under_xvfb
use_data vorn.mp3 # music only: without images every quad draws plain white

start_intro
wait_for_window
sleep 1
screenshot shot.png
size=$(identify -format '%wx%h' shot.png)
[ "$size" = 1024x768 ] || fail "screen is $size"
minimum=$(convert shot.png -colorspace gray -format '%[fx:minima]' info:)
[ "$minimum" = 1 ] || fail "some pixel of the screen is not covered by the white quad (minimum $minimum)"

xdotool key Escape
wait_for_exit 10
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE after Escape"
echo "window covers 1024x768; Escape exits 0"
