# The common set-up of the real-window tests, sourced by each
# tests/window_*.sh script with the script's own arguments:
#
#   DISPLAY_BASE=320          # kept by the scripts; the server now picks the number
#   TAP_HOLD=0.1 TAP_GAP=0.12 # optional: how long tap holds a key and waits
#   XVFB_SCREEN=1280x1024x24  # optional: the display's size (1024x768x24)
#   source "$(dirname "${BASH_SOURCE[0]}")/support/window.sh" "$@"
#
# $1 is the game program. The script gets QUIB (its full path), WORK (a
# scratch folder removed at exit), DISPLAY (its own virtual display, already
# answering), GAME (the pid of the game it starts, or "" once collected) and
# the helpers below. Each script's display is a fresh server on a number
# the server itself found free, so scripts run in parallel never share one.
set -u
QUIB="$(realpath "$1")"
WORK="$(mktemp -d)"
# The game keeps its records in the player's folder: a scratch one here.
export XDG_DATA_HOME="$WORK/data"
# Set once the virtual display answers (below).
export DISPLAY=":none"
TAP_HOLD="${TAP_HOLD:-0.15}"
TAP_GAP="${TAP_GAP:-0.15}"

fail() { echo "FAIL: $*"; exit 1; }

# Message boxes on this test's display only (other tests may run their own).
message_pids() {
  for pid in $(pgrep -x xmessage); do
    tr '\0' '\n' < "/proc/$pid/environ" 2>/dev/null | grep -qxF "DISPLAY=$DISPLAY" && echo "$pid"
  done
}

# The display server picks a free display number itself and writes it once
# it answers, so scripts running at the same time (this suite's or anyone
# else's on the machine) never share a display or take one that is going.
Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp 3>"$WORK/display" >/dev/null 2>&1 &
XVFB=$!
GAME=""
cleanup() {
  [ -n "$GAME" ] && kill "$GAME" 2>/dev/null
  for pid in $(message_pids); do kill "$pid" 2>/dev/null; done
  kill "$XVFB" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT

for _ in $(seq 300); do [ -s "$WORK/display" ] && break; sleep 0.1; done
[ -s "$WORK/display" ] || fail "the virtual display did not start"
export DISPLAY=":$(cat "$WORK/display")"

# Sets WID to the game's window once it is shown (up to 20 s); fails the
# call if none appears.
find_window() {
  WID=$(timeout 20 xdotool search --sync --onlyvisible --name '^QUIB$' | head -1)
  [ -n "$WID" ]
}

# A key held across several frames (the game polls the key state), then a
# pause with no key so that the next key starts a fresh hold.
# One xdotool run presses, waits and releases: starting a second program for
# the release could take long enough on a busy machine for the game to see
# the key held into its auto-repeat (the editor repeats every 5 frames).
tap() {
  xdotool keydown --window "$WID" "$1" sleep "$TAP_HOLD" keyup --window "$WID" "$1" 2>/dev/null
  sleep "$TAP_GAP"
}

shot() { /usr/bin/import -window root "$WORK/shot.png" 2>/dev/null; }
# Pixels of one colour in a rectangle of the last shot.
count_colour() {  # x y w h #RRGGBB
  /usr/bin/convert "$WORK/shot.png" -crop "$3x$4+$1+$2" +repage -depth 8 txt:- | grep -c "$5"
}
# Waits up to $1 seconds for at least $7 pixels of a colour in a rectangle.
wait_for() {  # seconds x y w h colour minimum
  local end=$(( $(date +%s) + $1 ))
  while [ "$(date +%s)" -le "$end" ]; do
    shot
    [ "$(count_colour "$2" "$3" "$4" "$5" "$6")" -ge "$7" ] && return 0
    sleep 0.2
  done
  return 1
}
# The menu wheel's yellow highlight in the last shot.
in_menu() { [ "$(count_colour 160 246 193 18 '#FFFF00')" -gt 380 ]; }
wait_menu() { wait_for "$1" 160 246 193 18 '#FFFF00' 380; }  # seconds
# Play runs once the countdown is over: the FLIP word turns white.
wait_playing() { wait_for "$1" 176 368 32 8 '#FFFFFF' 10; }
playing() {  # the SCORE label of the panel and FLIP in white once play runs
  [ "$(count_colour 32 336 48 8 '#C0C0C0')" -gt 10 ] && [ "$(count_colour 176 368 32 8 '#FFFFFF')" -gt 10 ]
}

# Waits up to $1 tenths of a second for the game to end, fails with $2 if it
# does not, and sets STATUS to its exit code.
await_exit() {  # tenths what
  for _ in $(seq "$1"); do kill -0 "$GAME" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$GAME" 2>/dev/null && fail "$2"
  wait "$GAME"; STATUS=$?
  GAME=""
}

# The first message box on this display; its text is on its command line.
# Waits up to 10 s; prints the pid.
message_box() {
  local pid
  for _ in $(seq 100); do
    pid=$(message_pids | head -1)
    [ -n "$pid" ] && { echo "$pid"; return 0; }
    sleep 0.1
  done
  return 1
}
message_text() { tr '\0' ' ' < "/proc/$1/cmdline"; }
# The editor cursor's cell in a fresh shot ("COL ROW"; "" when not seen),
# looked for among the first $1 columns and $2 rows: the first cell whose
# top-left pixel, one inside the cell, has the cursor's full red and green
# (it runs from yellow to white). Pieces never reach a cell's corner.
cursor_cell() {  # columns rows
  shot
  /usr/bin/convert "$WORK/shot.png" -crop "$((25 * $1))x$((25 * $2))+6+6" +repage -depth 8 txt:- |
    awk -F'[,:() ]+' '$1 % 25 == 1 && $2 % 25 == 1 && $3 == 255 && $4 == 255 { print int($1 / 25), int($2 / 25); exit }'
}
# Taps the arrows until the editor cursor is seen on the cell. After each
# tap it waits to see the cursor move, so a slow picture never costs an
# extra tap, and a tap that moved it too far (a key seen held long enough
# to repeat on a busy machine) is made good by the next.
move_cursor_to() {  # col row
  local at step _ cols=$(($1 + 4)) rows=$(($2 + 4))
  ((cols > 18)) && cols=18
  ((rows > 12)) && rows=12
  for step in $(seq 30); do
    at="$(cursor_cell "$cols" "$rows")"
    [ "$at" = "$1 $2" ] && return 0
    [ -n "$at" ] || { sleep 0.2; continue; }
    local col=${at% *} row=${at#* }
    if ((row < $2)); then tap Down; elif ((row > $2)); then tap Up
    elif ((col < $1)); then tap Right; else tap Left; fi
    for _ in $(seq 20); do [ "$(cursor_cell "$cols" "$rows")" != "$at" ] && break; sleep 0.1; done
  done
  return 1
}

# Presses Return in the message box until it is gone (a box still being
# mapped may miss the first press); $1, if given, names the case for the
# failure message.
dismiss() {  # [what]
  local box _
  box=$(timeout 10 xdotool search --sync --onlyvisible --class Xmessage | head -1)
  [ -n "$box" ] || fail "${1:+$1: }the message box has no window"
  for _ in $(seq 20); do
    [ -z "$(message_pids)" ] && return 0
    xdotool key --window "$box" --delay 200 Return 2>/dev/null
    for _ in $(seq 10); do [ -z "$(message_pids)" ] && return 0; sleep 0.1; done
  done
  fail "${1:+$1: }the message box did not close"
}
