#!/usr/bin/env bash
# Campaign runs from the menu in a real window: a chosen campaign counts
# down and plays; an exit completes it and the game complete screen follows,
# ended early by SPACE; a campaign with lives -3 plays with 0 lives, so one
# loss brings the game over screen; quitting a level returns to the menu
# with no result screen. Afterwards the title screen shows "Last score"
# instead of the credit, and the quit's score replaces the earlier one.
DISPLAY_BASE=720
source "$(dirname "${BASH_SOURCE[0]}")/support/window.sh" "$@"

campaign() {  # file name lives level-lines...
  local file="$1" name="$2" lives="$3"
  shift 3
  {
    printf 'name %s\ndesc About %s.\nlevels 1\nlives %s\n\nstart level\n' "$name" "$name" "$lives"
    printf '%s\n' "$@"
    printf 'done level\n'
  } > "$WORK/$file"
}
WALLS=("wall N B" "wall E B" "wall S B" "wall W B")
# A straight run: start, empty cell, exit.
RUN=("width 3" "height 1" "limit 20" "${WALLS[@]}" "at 0 0 . 1" "at 2 0 * 2")
campaign quib_beginner.qbf BEGINNER 3 "${RUN[@]}"
campaign quib_intermediate.qbf INTERMEDIATE 3 "${RUN[@]}"
campaign quib_master.qbf MASTER 3 "${RUN[@]}"
# A coin on the ball's way, the exit out of reach: the ball bounces along
# the top row for ever once nudged.
campaign quib_easy.qbf EASY 3 "width 3" "height 3" "limit 30" "${WALLS[@]}" \
  "at 0 0 . 1" "at 1 0 \$ 1" "at 2 2 * 2"
# The start against a deadly east edge; lives -3 must be played as 0.
campaign quib_hard.qbf HARD -3 "width 4" "height 1" "limit 20" \
  "wall N B" "wall E D" "wall S B" "wall W B" "at 3 0 . 1" "at 0 0 * 2"

# "Last score" starts at x 408; the credit's first line is blank there.
last_score_shown() { [ "$(count_colour 408 332 30 8 '#C0C0C0')" -gt 20 ]; }
score_crop() { /usr/bin/convert "$WORK/shot.png" -crop "100x8+398+348" +repage "$WORK/$1.png"; }
# Taps a key until a picture shows (a press the game never sampled, on a
# busy machine, is pressed again; one already acted on changes nothing
# more in these levels): wait_for's arguments after the key.
tap_until() {  # key seconds x y w h colour minimum
  local key=$1 _
  shift
  for _ in 1 2 3; do
    tap "$key"
    wait_for "$@" && return 0
  done
  return 1
}

cd "$WORK" && { "$QUIB" & GAME=$!; }
find_window || fail "no window titled QUIB"
sleep 1
shot
in_menu || fail "no menu wheel at start"
last_score_shown && fail "'Last score' before any run"
[ "$(count_colour 408 332 100 24 '#C0C0C0')" -gt 20 ] || fail "no credit before any run"

# INTERMEDIATE: countdown, play, exit, tally, pause, game complete.
tap space
sleep 4
shot
playing || fail "INTERMEDIATE did not start playing"
tap_until Right 4 164 128 96 8 '#C0C0C0' 10 || fail "no LEVEL BONUS line after the exit"
wait_for 9 200 128 112 8 '#FFFFC0' 30 || fail "no GAME COMPLETE screen"
kill -0 "$GAME" 2>/dev/null || fail "the game ended after the campaign"
tap space
wait_for 3 160 246 193 18 '#FFFF00' 380 || fail "SPACE did not leave the game complete screen for the menu"
sleep 0.3
shot
last_score_shown || fail "no 'Last score' after a completed campaign"
score_crop completed

# HARD with lives -3: one loss and the game over screen.
tap Down
tap space
sleep 4
shot
playing || fail "HARD did not start playing (lives -3 must mean 0 lives)"
tap_until Right 8 216 128 80 8 '#FFC0C0' 30 || fail "no GAME OVER screen after one loss with 0 lives"
# The game over screen ends by itself after 150 frames, SPACE or not (that
# SPACE ends a result screen early is shown above): wait for the menu that
# long and more, so a busy machine's slow frames are not taken for a fault.
tap space
wait_for 10 160 246 193 18 '#FFFF00' 380 || fail "the game over screen did not give way to the menu"

# EASY: take the coin, then quit; straight back to the menu.
tap Up; tap Up
tap space
sleep 4
shot
playing || fail "EASY did not start playing"
tap Right
sleep 1
tap Escape
sleep 0.3
shot
[ "$(count_colour 212 352 88 8 '#FFFF00')" -gt 10 ] || fail "no quit question"
tap y
wait_for 3 160 246 193 18 '#FFFF00' 380 || fail "quitting did not return to the menu"
[ "$(count_colour 200 128 112 8 '#FFFFC0')" = 0 ] && [ "$(count_colour 216 128 80 8 '#FFC0C0')" = 0 ] ||
  fail "a result screen after quitting"
sleep 0.3
shot
last_score_shown || fail "no 'Last score' after quitting with coins taken"
score_crop quit
[ "$(/usr/bin/compare -metric AE "$WORK/completed.png" "$WORK/quit.png" null: 2>&1)" != 0 ] ||
  fail "the score of the quit run did not replace the last score"

tap Escape
await_exit 30 "the game did not end after ESC"
[ "$STATUS" = 0 ] || fail "exit code $STATUS after ESC"
echo "window menu play test passed"
