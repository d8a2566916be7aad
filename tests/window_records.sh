#!/usr/bin/env bash
# Records in a real window: a run ended by completion, by game over and by
# quitting each update the records file in the player's folder; R shows
# the records screen and F1 the key cards (in play the card stops the
# level) and both go back to the title; a damaged records file is set
# aside and named on stderr while the game starts; and the title with the
# wheel is the same picture with or without a records file.
DISPLAY_BASE=540
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
RUN=("width 3" "height 1" "limit 20" "${WALLS[@]}" "at 0 0 . 1" "at 2 0 * 2")
campaign quib_beginner.qbf BEGINNER 3 "${RUN[@]}"
campaign quib_intermediate.qbf INTERMEDIATE 3 "${RUN[@]}"
campaign quib_master.qbf MASTER 3 "${RUN[@]}"
campaign quib_easy.qbf EASY 3 "width 3" "height 3" "limit 30" "${WALLS[@]}" \
  "at 0 0 . 1" "at 1 0 \$ 1" "at 2 2 * 2"
campaign quib_hard.qbf HARD -3 "width 4" "height 1" "limit 20" \
  "wall N B" "wall E D" "wall S B" "wall W B" "at 3 0 . 1" "at 0 0 * 2"
RECORDS="$XDG_DATA_HOME/quib/records.txt"

# The still parts of the title: the wheel, and the whole width from the
# key help down (the logo and the legends animate).
title_crops() {  # name
  /usr/bin/convert "$WORK/shot.png" -crop "201x126+156+192" +repage "$WORK/$1-wheel.png"
  /usr/bin/convert "$WORK/shot.png" -crop "512x134+0+250" +repage "$WORK/$1-low.png"
}
same_picture() { [ "$(/usr/bin/compare -metric AE "$WORK/$1" "$WORK/$2" null: 2>&1)" = 0 ]; }
# The block of one campaign in the records file.
block() { awk -v n="campaign $1" '$0 == n { on = 1 } on { print } on && /^done campaign/ { exit }' "$RECORDS"; }
has() {  # campaign line
  block "$1" | grep -qxF "$2" || fail "records of $1 lack '$2': $(block "$1" | tr '\n' '|')"
}
start_game() {
  cd "$WORK" && { "$QUIB" 2>"$WORK/stderr" & GAME=$!; }
  find_window || fail "no window titled QUIB"
  wait_menu 10 || fail "no menu at start"
  sleep 0.5
}

start_game
[ -e "$RECORDS" ] && fail "a records file before any run"
shot
title_crops plain

# Completion.
tap space
wait_playing 20 || fail "INTERMEDIATE did not start playing"
tap Right
wait_for 9 200 128 112 8 '#FFFFC0' 30 || fail "no GAME COMPLETE screen"
[ -s "$RECORDS" ] || fail "no records file after a completed run"
has INTERMEDIATE "runs 1"
has INTERMEDIATE "completed-runs 1"
has INTERMEDIATE "most-completed 1"
has INTERMEDIATE "furthest 1"
block INTERMEDIATE | grep -qE '^best-score [1-9]' || fail "no best score: $(block INTERMEDIATE)"
block INTERMEDIATE | grep -qE '^level 1 [1-9]' || fail "no best for level 1: $(block INTERMEDIATE)"
tap space
wait_menu 10 || fail "no menu after the game complete screen"

# Game over: HARD plays with 0 lives.
tap Down
tap space
wait_playing 20 || fail "HARD did not start playing"
tap Right
wait_for 8 216 128 80 8 '#FFC0C0' 30 || fail "no GAME OVER screen"
has HARD "runs 1"
has HARD "completed-runs 0"
has HARD "furthest 1"
has HARD "level 1 0"
tap space
wait_menu 10 || fail "no menu after the game over screen"

# Quit from EASY, after the key card has stopped the level.
tap Up; tap Up
tap space
wait_playing 20 || fail "EASY did not start playing"
tap F1
wait_for 8 20 16 472 1 '#FFFF00' 400 || fail "no key card in play"
cp "$WORK/shot.png" "$WORK/card1.png"
sleep 1.5
shot
same_picture card1.png shot.png || fail "play went on behind the key card"
[ "$(count_colour 0 0 512 384 '#FFFFFF')" -gt 300 ] || fail "the card shows no keys"
tap x
wait_for 8 176 368 32 8 '#FFFFFF' 10 || fail "play did not come back after the key card"
tap Escape
tap y
wait_menu 10 || fail "quitting did not return to the menu"
has EASY "runs 1"
has EASY "completed-runs 0"
has EASY "most-completed 0"

# R: the records screen, then ESC back to the title, the game still on.
tap r
wait_for 8 224 18 64 8 '#FFFF00' 30 || fail "no records screen"
[ "$(count_colour 32 72 160 8 '#FFFFFF')" -gt 30 ] || fail "no campaign names on the records screen"
tap Escape
wait_menu 10 || fail "ESC on the records screen did not go back to the title"
kill -0 "$GAME" 2>/dev/null || fail "ESC on the records screen ended the game"

# F1 on the title: its card, any key back.
tap F1
wait_for 8 20 16 472 1 '#FFFF00' 400 || fail "no key card on the title"
tap Escape
wait_menu 10 || fail "the title card did not go back to the title"
kill -0 "$GAME" 2>/dev/null || fail "ESC on the title card ended the game"
tap Escape
await_exit 30 "the game did not end after ESC"
[ "$STATUS" = 0 ] || fail "exit code $STATUS after ESC"
[ -s "$WORK/stderr" ] && fail "stderr after a plain session: $(cat "$WORK/stderr")"

# The same title with a records file, and after the cards and screens.
start_game
shot
title_crops kept
same_picture plain-wheel.png kept-wheel.png || fail "the wheel differs with a records file"
same_picture plain-low.png kept-low.png || fail "the title differs with a records file"
tap r
wait_for 8 224 18 64 8 '#FFFF00' 30 || fail "no records screen the second time"
tap Escape
wait_menu 10 || fail "no title after the records screen"
sleep 0.3
shot
title_crops after
same_picture plain-wheel.png after-wheel.png || fail "the wheel differs after the records screen"
same_picture plain-low.png after-low.png || fail "the title differs after the records screen"
tap Escape
await_exit 30 "the game did not end after ESC"

# A damaged records file is set aside with one line; the game starts.
printf 'quib-records 1\ncampaign EASY\nfingerprint 0\n' > "$RECORDS"
start_game
[ "$(wc -l < "$WORK/stderr")" = 1 ] || fail "stderr on a damaged file: $(cat "$WORK/stderr")"
grep -qF "$RECORDS.damaged" "$WORK/stderr" || fail "the line does not name the kept file: $(cat "$WORK/stderr")"
[ "$(head -c 14 "$RECORDS.damaged")" = "quib-records 1" ] || fail "the damaged file was not kept"
tap Escape
await_exit 30 "the game did not end after ESC"
echo "window records test passed"
