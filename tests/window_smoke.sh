#!/usr/bin/env bash
# The game in a real window on a virtual display: it opens a 512 x 384 window
# titled QUIB, counts down and plays the first level, shows the quit question
# on ESC and ends with exit code 0 on Y.
set -u
QUIB="$1"
CAMPAIGNS="$2"
WORK="$(mktemp -d)"
DISPLAY_NUMBER=$(( 120 + $$ % 100 ))
export DISPLAY=":$DISPLAY_NUMBER"

Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
XVFB=$!
GAME=""
cleanup() {
  [ -n "$GAME" ] && kill "$GAME" 2>/dev/null
  kill "$XVFB" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

tap() {  # held across several frames: the game polls the key state
  xdotool keydown --window "$WID" "$1" 2>/dev/null; sleep 0.15; xdotool keyup --window "$WID" "$1" 2>/dev/null
}
# Colour of one pixel of the window (the window sits at the screen's corner).
pixel() {
  /usr/bin/import -window root "$WORK/shot.png" 2>/dev/null
  /usr/bin/convert "$WORK/shot.png" -crop "1x1+$1+$2" -depth 8 txt:- | tail -1 | grep -o '#[0-9A-F]\{6\}'
}
# Pixels of one colour in a rectangle of the window.
count_colour() {  # x y w h #RRGGBB
  /usr/bin/import -window root "$WORK/shot.png" 2>/dev/null
  /usr/bin/convert "$WORK/shot.png" -crop "$3x$4+$1+$2" -depth 8 txt:- | grep -c "$5"
}

(cd "$CAMPAIGNS" && exec "$QUIB") &
GAME=$!
WID=$(timeout 20 xdotool search --sync --onlyvisible --name '^QUIB$' | head -1)
[ -n "$WID" ] || fail "no window titled QUIB"
eval "$(xdotool getwindowgeometry --shell "$WID")"
[ "$WIDTH" = 512 ] && [ "$HEIGHT" = 384 ] || fail "window is ${WIDTH}x${HEIGHT}"

sleep 4.5   # the 3, 2, 1 countdown
# The score label in its grey, the FLIP word white once play has begun.
[ "$(count_colour 32 336 48 8 '#C0C0C0')" -gt 10 ] || fail "no SCORE label"
[ "$(count_colour 176 368 32 8 '#FFFFFF')" -gt 10 ] || fail "FLIP is not white during play"

tap Right
sleep 2.5   # the first level is a straight run to the exit: the tally shows
[ "$(count_colour 164 128 96 8 '#C0C0C0')" -gt 10 ] || fail "no LEVEL BONUS line after the exit"

sleep 5     # the pause after an exit, then the next level's countdown
sleep 3.5
tap Escape
sleep 0.5
[ "$(count_colour 212 352 88 8 '#FFFF00')" -gt 10 ] || fail "no quit question"
tap y
for _ in $(seq 50); do kill -0 "$GAME" 2>/dev/null || break; sleep 0.1; done
kill -0 "$GAME" 2>/dev/null && fail "the game did not end after Y"
wait "$GAME"; STATUS=$?
GAME=""
[ "$STATUS" = 0 ] || fail "exit code $STATUS"
echo "window smoke test passed"
