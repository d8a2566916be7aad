#!/usr/bin/env bash
# Test play from the editor in a real window: T on a level without a Start
# puts one under the cursor, counts down and plays. A test that reaches the
# exit ends after the tally; one ended with ESC ends at once, and that ESC,
# still held when the editor comes back, neither saves nor leaves. A fresh
# ESC then saves the level with its new Start and with the coin that play
# took.
DISPLAY_BASE=520 TAP_HOLD=0.1 TAP_GAP=0.12
source "$(dirname "${BASH_SOURCE[0]}")/support/window.sh" "$@"

FILE="$WORK/quib_test.qbf"
cat > "$FILE" <<'EOF'
name Try Me
desc A level without a start
levels 0
lives 3

start level
width 8
height 3
limit 20
bonus 0
wall N B
wall E B
wall S B
wall W B
at 1 1 $ 1
at 6 1 * 1
done level
EOF
cp "$FILE" "$WORK/before.qbf"

(cd "$WORK" && exec "$QUIB" -Equib_test.qbf) &
GAME=$!
find_window || fail "no window titled QUIB"
sleep 0.5
shot
[ "$(count_colour 32 352 64 8 '#FF0000')" -gt 10 ] || fail "a level without a Start is not INVALID"

move_cursor_to 2 1 || fail "the cursor did not reach (2, 1), beside the coin"
tap t
sleep 0.4        # the test countdown: 10 frames a step
shot
[ "$(count_colour 32 336 48 8 '#C0C0C0')" -gt 10 ] || fail "no play panel after T"
[ "$(count_colour 32 352 64 8 '#FF0000')" = 0 ] || fail "the editor status is still shown during play"
sleep 1.0        # play has begun; the ball rests on its start
kill -0 "$GAME" 2>/dev/null || fail "the program ended during the test play"
shot
[ "$(count_colour 32 336 48 8 '#C0C0C0')" -gt 10 ] || fail "play did not go on"

# NUDGE left: the ball takes the coin, bounces off the west wall and runs
# right into the exit; after the tally the editor comes back.
tap Left
BACK=""
for _ in $(seq 40); do
  sleep 0.5
  shot
  if [ "$(count_colour 44 352 40 8 '#00FF00')" -gt 10 ]; then BACK=1; break; fi
done
[ -n "$BACK" ] || fail "the editor did not come back after the test play reached the exit"
cmp -s "$FILE" "$WORK/before.qbf" || fail "the test play saved the file"

# A second test play, ended with ESC.
tap t
sleep 1.8
shot
[ "$(count_colour 32 336 48 8 '#C0C0C0')" -gt 10 ] || fail "no second test play"

# ESC ends the test play; it stays held through the second the last play
# frame is shown and well into the editor's frames.
xdotool keydown --window "$WID" Escape 2>/dev/null
sleep 2.0
xdotool keyup --window "$WID" Escape 2>/dev/null
sleep 0.5
kill -0 "$GAME" 2>/dev/null || fail "the ESC that ended the test play also left the editor"
cmp -s "$FILE" "$WORK/before.qbf" || fail "the file was saved by the ESC that ended the test play"
shot
[ "$(count_colour 44 352 40 8 '#00FF00')" -gt 10 ] || fail "the editor is not back with a VALID level"
[ "$(count_colour 32 336 48 8 '#C0C0C0')" = 0 ] || fail "the play panel is still shown"

tap Escape
await_exit 50 "the editor did not end after a fresh ESC"
[ "$STATUS" = 0 ] || fail "exit code $STATUS"
grep -qxF "at 2 1 . 1" "$FILE" || { cat "$FILE"; fail "the Start placed for the test is not saved"; }
grep -qxF 'at 1 1 $ 1' "$FILE" || { cat "$FILE"; fail "the coin is missing after the test play"; }
grep -qxF "levels 1" "$FILE" || { cat "$FILE"; fail "the level is not counted as valid"; }
echo "editor test play window test passed"
