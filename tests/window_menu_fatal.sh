#!/usr/bin/env bash
# The five difficulty campaigns are required. One missing at start-up ends
# the program with "Required level data missing or corrupt." and exit code 1
# before any window opens; one whose levels are broken ends it the same way
# when it is chosen in the menu.
DISPLAY_BASE=820
source "$(dirname "${BASH_SOURCE[0]}")/support/window.sh" "$@"
MESSAGE="Required level data missing or corrupt."

campaign() {  # file name levels-required
  printf 'name %s\ndesc About %s.\nlevels %s\nlives 3\n\nstart level\nwidth 3\nheight 1\nlimit 20\nat 0 0 . 1\nat 2 0 * 2\ndone level\n' \
    "$2" "$2" "$3" > "$WORK/$1"
}

campaign quib_beginner.qbf BEGINNER 1
campaign quib_easy.qbf EASY 1
campaign quib_intermediate.qbf INTERMEDIATE 1
campaign quib_hard.qbf HARD 1

# MASTER missing: the message comes before any window is opened. Without
# a display the window could not open at all, so getting this message (and
# not the window's) shows that the check comes first.
# Standard error names the folders searched and the campaign not found.
OUT=$(cd "$WORK" && env -u DISPLAY "$QUIB" 2>"$WORK/err"); STATUS=$?
[ "$OUT" = "$MESSAGE" ] && [ "$STATUS" = 1 ] || fail "without a display: '$OUT', exit code $STATUS"
grep -q "^quib: searched $WORK/, .*not found: MASTER$" "$WORK/err" || fail "standard error: $(cat "$WORK/err")"
# The editor needs no campaigns: no search, so the window step is reached.
OUT=$(cd "$WORK" && env -u DISPLAY "$QUIB" -Equib_any.qbf 2>&1)
[ "$OUT" = "Unable to create window." ] || fail "the editor searched for campaigns: '$OUT'"

cd "$WORK" && { "$QUIB" & GAME=$!; }
BOX=$(message_box) || fail "no message box with MASTER missing"
sleep 0.3
message_text "$BOX" | grep -qF "$MESSAGE" || fail "message box says: $(message_text "$BOX")"
[ -z "$(xdotool search --onlyvisible --name '^QUIB$' 2>/dev/null)" ] || fail "a game window opened with MASTER missing"
dismiss
await_exit 50 "the game did not end after the message"
[ "$STATUS" = 1 ] || fail "exit code $STATUS with MASTER missing"

# MASTER present but asking for more levels than it has: listed in the
# wheel, fatal when chosen (two steps down from INTERMEDIATE).
campaign quib_master.qbf MASTER 3
cd "$WORK" && { "$QUIB" & GAME=$!; }
find_window || fail "no window titled QUIB with all five present"
sleep 0.5
tap Down; tap Down
tap Return
BOX=$(message_box) || fail "no message box after choosing the broken MASTER"
sleep 0.3
message_text "$BOX" | grep -qF "$MESSAGE" || fail "message box says: $(message_text "$BOX")"
dismiss
await_exit 50 "the game did not end after the message"
[ "$STATUS" = 1 ] || fail "exit code $STATUS after the broken MASTER"
echo "window menu fatal test passed"
