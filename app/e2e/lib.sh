# Helpers for the whole-program tests: start chartframe.exe under Wine on the
# current X display, find its windows, drive them with xdotool as a user would,
# and wait for states instead of sleeping fixed times.
# Each test script sources this file with the paths of chartframe.exe and of
# the backdrop program as $1 and $2.

set -uo pipefail
exe=$1
backdrop=$2
backdrop_pid=
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
wine_run=$root/scripts/wine-run
work=$(mktemp -d)
program_pid=
status_file=$work/exit-status

fail() {
  echo "FAIL: $*" >&2
  screenshot "$work/failure.png"
  [ -f "$work/failure.png" ] && cp "$work/failure.png" "${TMPDIR:-/tmp}/chartframe-e2e-failure-$(basename "$0" .sh).png"
  stop_program
  exit 1
}

pass() {
  echo "PASS: $*"
}

# The backdrop: a full-screen window of a known colour below the program.
start_backdrop() {
  "$wine_run" "$backdrop" >/dev/null 2>&1 &
  backdrop_pid=$!
  wait_for 30 backdrop_shown || fail "the backdrop did not appear"
}
backdrop_shown() { xdotool search --onlyvisible --name '^backdrop$' >/dev/null; }
backdrop_colour="48 160 48"

# The program copy runs from its own folder, so its run directory (and the
# relative output file "123") lies inside the test's work folder.
start_program() {
  mkdir -p "$work/bin"
  cp "$exe" "$work/bin/chartframe.exe"
  rm -f "$status_file"
  ( "$wine_run" "$work/bin/chartframe.exe" >/dev/null 2>&1; echo $? >"$status_file" ) &
  program_pid=$!
}

# Waits until the command succeeds twice in a row, polling every 0.1 s.
wait_for() {
  local seconds=$1
  shift
  local deadline=$((SECONDS + seconds)) hits=0
  while [ $SECONDS -le $deadline ]; do
    if "$@" >/dev/null 2>&1; then
      hits=$((hits + 1))
      [ $hits -ge 2 ] && return 0
    else
      hits=0
    fi
    sleep 0.1
  done
  return 1
}

program_ended() { [ -s "$status_file" ]; }
exit_status() { cat "$status_file"; }

wait_for_exit() {
  wait_for "${1:-15}" program_ended || return 1
  wait "$program_pid" 2>/dev/null
  program_pid=
}

stop_program() {
  if [ -n "$program_pid" ] && ! program_ended; then
    WINEPREFIX=${WINEPREFIX:-$root/build/win32/wineprefix} wineserver -k 2>/dev/null
    wait "$program_pid" 2>/dev/null
  fi
  program_pid=
}

# The visible X windows of the program: "id x y width height" a line. Without
# a window manager Wine draws no frames: for a framed window this is its client
# area, for a layered one (the skinned frame) its outer rectangle.
program_windows() {
  local id
  for id in $(xdotool search --onlyvisible --class chartframe.exe 2>/dev/null); do
    local geometry
    geometry=$(xdotool getwindowgeometry --shell "$id" 2>/dev/null) || continue
    local X Y WIDTH HEIGHT WINDOW
    eval "$geometry"
    echo "$id $X $Y $WIDTH $HEIGHT"
  done
}

# The id of the program's visible X window of the given size.
window_of_size() {
  program_windows | awk -v w="$1" -v h="$2" '$4 == w && $5 == h { print $1; exit }'
}

has_window_of_size() { [ -n "$(window_of_size "$1" "$2")" ]; }

geometry_of() {
  local X Y WIDTH HEIGHT WINDOW SCREEN
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$X $Y $WIDTH $HEIGHT"
}

screenshot() { import -window root "$1" 2>/dev/null; }

# "r g b" of one pixel of the screen.
pixel_at() {
  local file=$work/pixel.png
  import -window root -crop "1x1+$1+$2" "$file" 2>/dev/null
  convert "$file" -format '%[fx:int(255*r+.5)] %[fx:int(255*g+.5)] %[fx:int(255*b+.5)]' info:
}

cleanup() {
  stop_program
  [ -n "$backdrop_pid" ] && kill "$backdrop_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
