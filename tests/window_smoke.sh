#!/usr/bin/env bash
# The game in a real window on a virtual display, with the shipped
# campaigns: it opens a 512 x 384 window titled QUIB on the title screen and
# campaign menu, starts BEGINNER on SPACE with the countdown and play, shows
# the quit question on ESC, returns to the menu on Y, and ends with exit
# code 0 on ESC in the menu.
set -u
QUIB="$(realpath "$1")"
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
  sleep 0.15
}
shot() { /usr/bin/import -window root "$WORK/shot.png" 2>/dev/null; }
# Pixels of one colour in a rectangle of the last shot.
count_colour() {  # x y w h #RRGGBB
  /usr/bin/convert "$WORK/shot.png" -crop "$3x$4+$1+$2" +repage -depth 8 txt:- | grep -c "$5"
}
in_menu() { [ "$(count_colour 160 246 193 18 '#FFFF00')" -gt 380 ]; }  # the wheel's highlight
playing() {  # the SCORE label of the panel and FLIP in white once play runs
  [ "$(count_colour 32 336 48 8 '#C0C0C0')" -gt 10 ] && [ "$(count_colour 176 368 32 8 '#FFFFFF')" -gt 10 ]
}

(cd "$CAMPAIGNS" && exec "$QUIB") &
GAME=$!
WID=$(timeout 20 xdotool search --sync --onlyvisible --name '^QUIB$' | head -1)
if [ -z "$WID" ]; then
  kill -0 "$GAME" 2>/dev/null && pgrep -x xmessage >/dev/null && fail "the game stopped with a message (are all five difficulty campaigns in $CAMPAIGNS?)"
  fail "no window titled QUIB"
fi
eval "$(xdotool getwindowgeometry --shell "$WID")"
[ "$WIDTH" = 512 ] && [ "$HEIGHT" = 384 ] || fail "window is ${WIDTH}x${HEIGHT}"

sleep 1
shot
in_menu || fail "no campaign wheel on the title screen"

tap Up; tap Up   # INTERMEDIATE -> BEGINNER
tap space
STARTED=""
for _ in $(seq 30); do
  shot
  playing && { STARTED=1; break; }
  sleep 0.2
done
[ -n "$STARTED" ] || fail "BEGINNER did not count down into play"

tap Escape
sleep 0.3
shot
[ "$(count_colour 212 352 88 8 '#FFFF00')" -gt 10 ] || fail "no quit question"
tap y
sleep 0.5
shot
in_menu || fail "Y did not return to the menu"

tap Escape
for _ in $(seq 50); do kill -0 "$GAME" 2>/dev/null || break; sleep 0.1; done
kill -0 "$GAME" 2>/dev/null && fail "the game did not end after ESC in the menu"
wait "$GAME"; STATUS=$?
GAME=""
[ "$STATUS" = 0 ] || fail "exit code $STATUS"
echo "window smoke test passed"
