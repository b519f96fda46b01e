#!/usr/bin/env bash
# The frame ends the program with exit code 0 when it is closed: by Esc, and by
# a click on its close button.
source "$(dirname "$0")/lib.sh"

start_program
wait_for 30 has_window_of_size 327 229 || fail "no frame appeared"
frame=$(window_of_size 327 229)
read -r x y w h <<<"$(geometry_of "$frame")"
xdotool mousemove $((x + 100)) $((y + 150)) click 1   # focus the frame
xdotool key Escape
wait_for_exit 15 || fail "Esc on the frame did not end the program"
[ "$(exit_status)" = 0 ] || fail "Esc ended the program with code $(exit_status)"
pass "Esc on the frame ends the program with code 0"

start_program
wait_for 30 has_window_of_size 327 229 || fail "no frame appeared"
frame=$(window_of_size 327 229)
read -r x y w h <<<"$(geometry_of "$frame")"
# The close button sits at the top right: client left 287, top -3, 39 x 20,
# inside the frame's 4-pixel resizable border.
xdotool mousemove $((x + 4 + 287 + 10)) $((y + 8))
sleep 0.3
xdotool click 1
wait_for_exit 15 || fail "a click on the close button did not end the program"
[ "$(exit_status)" = 0 ] || fail "the close button ended the program with code $(exit_status)"
pass "the close button ends the program with code 0"
