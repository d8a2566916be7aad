#!/usr/bin/env bash
# The campaign editor in a real window: "-E" on an empty campaign shows a new
# invalid level 1; pieces placed with the keys make it valid; F2 writes a
# file the reader takes with the expected "at" lines; ESC saves and leaves
# with exit code 0.
# A key held for about three frames: a repeat key acts once, a placement key acts.
DISPLAY_BASE=320 TAP_HOLD=0.1 TAP_GAP=0.12
source "$(dirname "${BASH_SOURCE[0]}")/support/window.sh" "$@"

cat > "$WORK/quib_edit.qbf" <<'EOF'
name Edit Me
desc Made for the editor window test
levels 0
lives 2
EOF

(cd "$WORK" && exec "$QUIB" -Equib_edit.qbf) &
GAME=$!
find_window || fail "no window titled QUIB"
sleep 0.5

# A new 18 x 12 level: "INVALID" in red, no green "VALID", the cursor on cell (0, 0).
shot
[ "$(count_colour 32 352 64 8 '#FF0000')" -gt 10 ] || fail "no red INVALID on a new level"
[ "$(count_colour 32 352 64 8 '#00FF00')" = 0 ] || fail "VALID shown on a new level"
[ "$(count_colour 7 7 23 1 '#FFFF')" -gt 15 ] || fail "no cursor on the first cell"

tap b            # Start at (0, 0)
move_cursor_to 2 0 || fail "the cursor did not reach (2, 0)"
tap x            # Exit at (2, 0)
move_cursor_to 2 1 || fail "the cursor did not reach (2, 1)"
tap c            # Coin at (2, 1), size 1
tap 3            # ... now size 3
move_cursor_to 3 1 || fail "the cursor did not reach (3, 1)"
tap m            # Attractor at (3, 1), size 3
tap Insert       # lives 2 -> 3
tap equal        # limit 30 -> 31
sleep 0.3

shot
[ "$(count_colour 44 352 40 8 '#00FF00')" -gt 10 ] || fail "no green VALID after placing Start and Exit"
[ "$(count_colour 32 352 64 8 '#FF0000')" = 0 ] || fail "INVALID still shown"

tap F2
sleep 0.5
kill -0 "$GAME" 2>/dev/null || fail "the editor ended on F2"
FILE="$WORK/quib_edit.qbf"
for line in "levels 1" "lives 3" "limit 31" "at 0 0 . 1" "at 2 0 * 1" "at 2 1 \$ 3" "at 3 1 + 3"; do
  grep -qxF "$line" "$FILE" || { cat "$FILE"; fail "saved file lacks \"$line\""; }
done
[ "$(grep -c '^at ' "$FILE")" = 4 ] || { cat "$FILE"; fail "saved file has other pieces"; }
# The reader takes it: the shuffling tool reads the whole campaign and writes it back.
"$QUIB" -R < "$FILE" > "$WORK/shuffled.qbf" || fail "the saved file is not a campaign"
grep -qxF 'at 2 1 $ 3' "$WORK/shuffled.qbf" || fail "the reader lost a piece"

# Walking past the end appends an empty level that ESC does not save.
tap Prior
sleep 0.3
shot
[ "$(count_colour 32 352 64 8 '#FF0000')" -gt 10 ] || fail "the appended level is not INVALID"
tap v            # harmless key on the new level
tap Escape
await_exit 50 "the editor did not end after ESC"
[ "$STATUS" = 0 ] || fail "exit code $STATUS after ESC"
[ "$(grep -c '^start level' "$FILE")" = 1 ] || { cat "$FILE"; fail "the empty appended level was saved"; }
grep -qxF "at 3 1 + 3" "$FILE" || fail "ESC save lost the level"
echo "editor window test passed"
