#!/usr/bin/env bash
# The skinned frame over a known background, read off the screen: the frame
# image blended at 20 % over the backdrop with its black border and blue line,
# the close button's normal, over and down images, a resize that stretches the
# frame and takes the button along, and a release over the button that ends the
# program with code 0. Needs the compositing manager of the test session.
source "$(dirname "$0")/lib.sh"
images=$here/../images

# Succeeds when two "r g b" colours differ by at most the tolerance per channel.
near() {
  python3 - "$1" "$2" "$3" <<'PY'
import sys
a, b, tol = sys.argv[1].split(), sys.argv[2].split(), int(sys.argv[3])
sys.exit(0 if all(abs(int(x) - int(y)) <= tol for x, y in zip(a, b)) else 1)
PY
}

# What the frame's interior must show at a row of a frame of the given height:
# the image row it is stretched from, blended with its alpha over the backdrop.
interior_expected() {
  local row=$1 height=$2 source
  source=$(python3 -c "print(round(($row + 0.5) * 195 / $height - 0.5))")
  local rgba
  rgba=$(convert "$images/frame.png" -format "%[fx:int(255*p{100,$source}.r+.5)] %[fx:int(255*p{100,$source}.g+.5)] %[fx:int(255*p{100,$source}.b+.5)] %[fx:int(255*p{100,$source}.a+.5)]" info:)
  python3 - $rgba $backdrop_colour <<'PY'
import sys
r, g, b, a, br, bg, bb = map(int, sys.argv[1:])
print(*(round(c * a / 255 + k * (255 - a) / 255) for c, k in ((r, br), (g, bg), (b, bb))))
PY
}

# "r g b" -> one channel.
red() { echo "$1" | cut -d' ' -f1; }
green() { echo "$1" | cut -d' ' -f2; }
blue() { echo "$1" | cut -d' ' -f3; }

start_backdrop
start_program
wait_for 30 has_window_of_size 327 229 || fail "no skinned 327x229 frame appeared"
frame=$(window_of_size 327 229)
read -r x y w h <<<"$(geometry_of "$frame")"

for row in 10 114 220; do
  got=$(pixel_at $((x + 100)) $((y + row)))
  want=$(interior_expected "$row" 229)
  near "$got" "$want" 4 || fail "frame row $row shows $got, not the 20 % blend $want"
done
near "$(pixel_at "$x" $((y + 100)))" "0 0 0" 4 || fail "the left border is not black"
near "$(pixel_at $((x + 100)) "$y")" "0 0 0" 4 || fail "the top border is not black"
near "$(pixel_at $((x + w - 1)) $((y + 100)))" "0 0 0" 4 || fail "the right border is not black"
line=$(pixel_at $((x + 1)) $((y + 100)))
near "$line" "0 128 255" 6 || fail "the line inside the left border shows $line, not blue"
pass "the frame is its image at 20 % over the background, with its black border and blue line"

# The close button's image: drawn at (width - 40, -3) of the frame.
button_pixel() { pixel_at $((x + w - 40 + 5)) $((y + 4)); }
normal=$(button_pixel)
frame_there=$(interior_expected 4 229)
[ "$(red "$normal")" -gt "$(red "$frame_there")" ] || fail "close-normal ($normal) is not lighter than the frame ($frame_there)"
pass "the close button shows close-normal"

# Resize by the right edge: the image stretches, the button moves with it.
xdotool mousemove $((x + 150)) $((y + 120)) click 1
sleep 0.2
xdotool keydown F3
sleep 0.15
xdotool keyup F3
sleep 0.3
xdotool mousemove $((x + w - 1)) $((y + 100))
sleep 0.2
xdotool mousedown 1
sleep 0.3
for i in 1 2 3 4 5 6 7 8 9 10; do
  xdotool mousemove $((x + w - 1 + 10 * i)) $((y + 100))
  sleep 0.05
done
sleep 0.3
xdotool mouseup 1
wait_for 10 has_window_of_size 427 229 || fail "dragging the right edge did not widen the frame to 427"
w=427
# Stretched further, the smoothed outermost column lets a little backdrop through.
right_border_dark() { [ "$(green "$(pixel_at $((x + w - 1)) $((y + 100)))")" -lt 60 ]; }
wait_for 5 right_border_dark || fail "the right border shows $(pixel_at $((x + w - 1)) $((y + 100))), not dark at the new edge"
near "$(pixel_at $((x + 327 - 40 + 5)) $((y + 4)))" "$frame_there" 4 || fail "the old button place still shows the button"
near "$(button_pixel)" "$normal" 4 || fail "the button did not move with the right edge"
pass "a resize stretches the frame and takes the close button along"

xdotool mousemove $((x + 4 + w - 40 + 5)) $((y + 8))
wait_for 5 bash -c '[ "$0" != "$1" ]' "$(button_pixel)" "$normal"
over=$(button_pixel)
[ "$(red "$over")" -gt $(($(green "$over") + 40)) ] || fail "close-over ($over) is not red under the pointer"
xdotool mousedown 1
sleep 0.4
down=$(button_pixel)
[ "$(red "$down")" -gt $(($(green "$down") + 20)) ] && [ "$(red "$down")" -lt "$(red "$over")" ] ||
  fail "close-down ($down) is not the darker red while pressed (over was $over)"
pass "close-over under the pointer, close-down while pressed"
xdotool mouseup 1
wait_for_exit 15 || fail "releasing over the close button did not end the program"
[ "$(exit_status)" = 0 ] || fail "the close button ended the program with code $(exit_status)"
pass "a release over the close button ends the program with code 0"
