# The common set-up of the real-window tests, sourced by each
# tests/window_*.sh script with the script's own arguments:
#
#   DISPLAY_BASE=320          # this script's range of display numbers
#   TAP_HOLD=0.1 TAP_GAP=0.12 # optional: how long tap holds a key and waits
#   source "$(dirname "${BASH_SOURCE[0]}")/support/window.sh" "$@"
#
# $1 is the game program. The script gets QUIB (its full path), WORK (a
# scratch folder removed at exit), DISPLAY (its own virtual display, already
# answering), GAME (the pid of the game it starts, or "" once collected) and
# the helpers below. Every script has its own DISPLAY_BASE so that scripts
# run in parallel never share a display.
set -u
QUIB="$(realpath "$1")"
WORK="$(mktemp -d)"
# The game keeps its records in the player's folder: a scratch one here.
export XDG_DATA_HOME="$WORK/data"
DISPLAY_NUMBER=$(( DISPLAY_BASE + $$ % 100 ))
export DISPLAY=":$DISPLAY_NUMBER"
TAP_HOLD="${TAP_HOLD:-0.15}"
TAP_GAP="${TAP_GAP:-0.15}"

fail() { echo "FAIL: $*"; exit 1; }

# Message boxes on this test's display only (other tests may run their own).
message_pids() {
  for pid in $(pgrep -x xmessage); do
    tr '\0' '\n' < "/proc/$pid/environ" 2>/dev/null | grep -qxF "DISPLAY=$DISPLAY" && echo "$pid"
  done
}

Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
XVFB=$!
GAME=""
cleanup() {
  [ -n "$GAME" ] && kill "$GAME" 2>/dev/null
  for pid in $(message_pids); do kill "$pid" 2>/dev/null; done
  kill "$XVFB" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT

for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# Sets WID to the game's window once it is shown (up to 20 s); fails the
# call if none appears.
find_window() {
  WID=$(timeout 20 xdotool search --sync --onlyvisible --name '^QUIB$' | head -1)
  [ -n "$WID" ]
}

# A key held across several frames (the game polls the key state), then a
# pause with no key so that the next key starts a fresh hold.
tap() {
  xdotool keydown --window "$WID" "$1" 2>/dev/null; sleep "$TAP_HOLD"; xdotool keyup --window "$WID" "$1" 2>/dev/null
  sleep "$TAP_GAP"
}

shot() { /usr/bin/import -window root "$WORK/shot.png" 2>/dev/null; }
# Pixels of one colour in a rectangle of the last shot.
count_colour() {  # x y w h #RRGGBB
  /usr/bin/convert "$WORK/shot.png" -crop "$3x$4+$1+$2" +repage -depth 8 txt:- | grep -c "$5"
}
# The menu wheel's yellow highlight in the last shot.
in_menu() { [ "$(count_colour 160 246 193 18 '#FFFF00')" -gt 380 ]; }
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
# Presses Return in the message box; $1, if given, names the case for the
# failure message.
dismiss() {  # [what]
  local box
  box=$(timeout 10 xdotool search --sync --onlyvisible --class Xmessage | head -1)
  [ -n "$box" ] || fail "${1:+$1: }the message box has no window"
  xdotool key --window "$box" --delay 200 Return 2>/dev/null
}
