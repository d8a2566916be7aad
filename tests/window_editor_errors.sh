#!/usr/bin/env bash
# The editor's failures in a real window, each a message box and exit code 1:
# "-E" without a name, a missing file, a file that is not a campaign, and F2
# on a read-only campaign file, which first leaves the campaign in
# "#quibF2.qbf#" in the current directory.
DISPLAY_BASE=420 TAP_HOLD=0.1 TAP_GAP=0.12
source "$(dirname "${BASH_SOURCE[0]}")/support/window.sh" "$@"

# Waits for a message box showing the text, dismisses it and checks that the
# program then ends with exit code 1.
expect_message() {  # text what
  local pid
  pid=$(message_box) || fail "$2: no message box"
  sleep 0.3
  case "$(message_text "$pid")" in
    *"$1"*) ;;
    *) fail "$2: message box says: $(message_text "$pid")" ;;
  esac
  dismiss "$2"
  await_exit 50 "$2: the program did not end"
  [ "$STATUS" = 1 ] || fail "$2: exit code $STATUS"
}

cd "$WORK" || exit 1

"$QUIB" -E &
GAME=$!
expect_message "No filename given." "-E alone"

"$QUIB" -Equib_nowhere.qbf &
GAME=$!
expect_message "File missing or corrupt." "missing file"

printf 'This is a shopping list.\nmilk\n' > quib_list.qbf
"$QUIB" -Equib_list.qbf &
GAME=$!
expect_message "File does not appear to be a Quib campaign." "not a campaign"

cat > quib_locked.qbf <<'EOF'
name Locked
desc Nobody may write here
levels 1
lives 4

start level
width 3
height 1
limit 10
bonus 0
wall N B
wall E B
wall S B
wall W B
at 0 0 . 1
at 2 0 * 1
done level
EOF
chmod 444 quib_locked.qbf
cp quib_locked.qbf before.qbf
"$QUIB" -Equib_locked.qbf &
GAME=$!
find_window || fail "no editor window for the read-only file"
# The lives as drawn ("LIVES 4" centred on x = 448, y = 336), once the
# editor shows them, then again until DELETE has changed them: F2 must come
# only after the edit it is to save.
lives_picture() { shot; /usr/bin/convert "$WORK/shot.png" -crop 64x8+416+336 +repage "$WORK/$1.png"; }
for _ in $(seq 100); do
  lives_picture lives0
  [ "$(count_colour 416 336 64 8 '#FFFFFF')" -gt 20 ] && break
  sleep 0.1
done
tap Delete       # lives 4 -> 3
CHANGED=""
for _ in $(seq 100); do
  lives_picture lives1
  [ "$(compare -metric AE "$WORK/lives0.png" "$WORK/lives1.png" null: 2>&1)" != 0 ] && { CHANGED=1; break; }
  sleep 0.1
done
[ -n "$CHANGED" ] || fail "DELETE did not change the lives"
tap F2
expect_message "Unable to save." "F2 on a read-only file"
cmp -s quib_locked.qbf before.qbf || fail "the read-only file was changed"
[ -f '#quibF2.qbf#' ] || fail "no emergency file #quibF2.qbf#"
grep -qxF "lives 3" '#quibF2.qbf#' || { cat '#quibF2.qbf#'; fail "the emergency file lacks the edit"; }
grep -qxF "at 2 0 * 1" '#quibF2.qbf#' || fail "the emergency file lacks the level"
"$QUIB" -R < '#quibF2.qbf#' > /dev/null || fail "the emergency file is not a campaign"
echo "editor failure window test passed"
