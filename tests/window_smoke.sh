#!/usr/bin/env bash
# The game in a real window on a virtual display, with the shipped
# campaigns: it opens a 512 x 384 window titled QUIB on the title screen and
# campaign menu, starts BEGINNER on SPACE with the countdown and play, shows
# the quit question on ESC, returns to the menu on Y, and ends with exit
# code 0 on ESC in the menu.
DISPLAY_BASE=120
source "$(dirname "${BASH_SOURCE[0]}")/support/window.sh" "$@"
CAMPAIGNS="$2"

(cd "$CAMPAIGNS" && exec "$QUIB") &
GAME=$!
if ! find_window; then
  kill -0 "$GAME" 2>/dev/null && [ -n "$(message_pids)" ] && fail "the game stopped with a message (are all five difficulty campaigns in $CAMPAIGNS?)"
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
await_exit 50 "the game did not end after ESC in the menu"
[ "$STATUS" = 0 ] || fail "exit code $STATUS"
echo "window smoke test passed"
