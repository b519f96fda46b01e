#!/usr/bin/env bash
# A user's session from start to file: F4, the axis values typed into the
# settings window, Save, points captured with F1 inside the locked frame, F3,
# points outside it, a drag of the frame, F2 and one more capture; then the
# output file compared byte for byte. Closing the settings window and pressing
# F4 brings it back with its texts.
#
# The frame is a layered window, so its X window is its outer rectangle, 327 x
# 229. (The settings window, framed, shows as its client area: without a window
# manager Wine draws no frames.)
source "$(dirname "$0")/lib.sh"

frame_width=327
frame_height=229
x_axis=400
y_axis=300
expected=$work/expected.txt
: >"$expected"

# Holds a polled key long enough for two polls to see it down.
press() {
  xdotool keydown "$1"
  sleep 0.15
  xdotool keyup "$1"
  sleep 0.2
}

frame_origin() {
  local x y w h
  read -r x y w h <<<"$(geometry_of "$frame")"
  echo "$x $y"
}

# F1 at a screen point, and the line it must add for the frame at (left, top).
capture_at() {
  local sx=$1 sy=$2 left top
  read -r left top <<<"$(frame_origin)"
  xdotool mousemove "$sx" "$sy"
  sleep 0.15
  xdotool key F1
  python3 - "$sx" "$sy" "$left" "$top" "$frame_width" "$frame_height" "$x_axis" "$y_axis" >>"$expected" <<'PY'
import sys
sx, sy, left, top, w, h, xa, ya = map(int, sys.argv[1:])
dx, dy = sx - left, top + h - sy
sys.stdout.write(f"{dx * xa // w} {dy * ya // h}\r\n")
PY
  sleep 0.2
}

settings_window() { program_windows | awk -v f="$frame" '$1 != f { print $1; exit }'; }
settings_shown() { [ -n "$(settings_window)" ]; }
settings_hidden() { [ -z "$(settings_window)" ]; }

# Clicks a point given in the settings window's client coordinates.
click_settings() {
  local x y w h
  read -r x y w h <<<"$(geometry_of "$(settings_window)")"
  xdotool mousemove $((x + $1)) $((y + $2)) click 1
  sleep 0.2
}

start_backdrop
start_program
wait_for 30 has_window_of_size 327 229 || fail "no frame appeared"
frame=$(window_of_size 327 229)
read -r left top <<<"$(frame_origin)"
xdotool mousemove $((left + 150)) $((top + 120)) click 1  # the keyboard goes to the program
sleep 0.3

press F4
wait_for 10 settings_shown || fail "F4 did not show the settings window"
read -r sx sy sw sh <<<"$(geometry_of "$(settings_window)")"
[ "$sx" -ge $((left + frame_width)) ] || fail "the settings window is not beside the frame ($sx)"
click_settings 80 28  # 编辑框1
xdotool type --delay 50 "$x_axis"
click_settings 80 60  # 编辑框2
xdotool type --delay 50 "$y_axis"
click_settings 170 110  # 保存
wait_for 10 settings_hidden || fail "Save did not hide the settings window"

# Locked: points inside the frame, including its corners.
xdotool mousemove $((left + 150)) $((top + 120)) click 1
sleep 0.2
capture_at $((left + 100)) $((top + 50))
capture_at $((left + 300)) $((top + 200))
capture_at "$left" $((top + frame_height - 1))
capture_at $((left + frame_width - 1)) "$top"

# Free: points left of and below the frame.
press F3
capture_at $((left - 30)) $((top + 100))
capture_at $((left + 100)) $((top + frame_height + 25))

# Drag the frame by (100, 50), lock again and capture at its new place.
xdotool mousemove $((left + 150)) $((top + 120))
sleep 0.2
xdotool mousedown 1
sleep 0.3  # the move loop starts
for i in 1 2 3 4 5 6 7 8 9 10; do
  xdotool mousemove $((left + 150 + 10 * i)) $((top + 120 + 5 * i))
  sleep 0.05
done
sleep 0.3
xdotool mouseup 1
sleep 0.3
read -r new_left new_top <<<"$(frame_origin)"
[ "$new_left" = $((left + 100)) ] && [ "$new_top" = $((top + 50)) ] ||
  fail "the drag moved the frame to $new_left,$new_top instead of $((left + 100)),$((top + 50))"
press F2
capture_at $((new_left + 10)) $((new_top + 10))

output=$work/bin/123
wait_for 5 cmp -s "$output" "$expected" ||
  fail "the output file differs: $(od -c "$output" | head -20) expected $(od -c "$expected" | head -20)"
pass "captures land in the output file, byte for byte"

# The settings window closed with Esc comes back on F4 with its texts: a Save
# keeps the axis values, so the next capture scales as before.
press F4
wait_for 10 settings_shown || fail "F4 did not show the settings window again"
click_settings 300 140
xdotool key Escape
wait_for 10 settings_hidden || fail "Esc did not close the settings window"
press F4
wait_for 10 settings_shown || fail "F4 did not bring the closed settings window back"
click_settings 170 110  # 保存, with the texts as they were
wait_for 10 settings_hidden || fail "Save did not hide the settings window"
xdotool mousemove $((new_left + 150)) $((new_top + 120)) click 1
sleep 0.2
capture_at $((new_left + 200)) $((new_top + 100))
wait_for 5 cmp -s "$output" "$expected" || fail "after closing the settings window the axis values were lost"
pass "the settings window comes back with its texts after it was closed"
