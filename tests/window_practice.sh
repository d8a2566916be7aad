#!/usr/bin/env bash
# Practice in a real window: P on the title opens the campaign under the
# wheel's pointer at the furthest level reached; LEFT and RIGHT never go
# past it; a loss replays the level and costs nothing; a win keeps the
# level's best in the records; H shows the level's idea from its route
# file; V plays the stored route with its keys shown, and says so when a
# level has none; ESC goes back to the title.
DISPLAY_BASE=560
source "$(dirname "${BASH_SOURCE[0]}")/support/window.sh" "$@"

WALLS=("wall N B" "wall E B" "wall S B" "wall W B")
RUN=("width 3" "height 1" "limit 20" "${WALLS[@]}" "at 0 0 . 1" "at 2 0 * 2")
# Start in the middle, exit to the east, a deadly edge to the west.
EDGE=("width 5" "height 1" "limit 20" "wall N B" "wall E B" "wall S B" "wall W D" "at 2 0 . 1" "at 4 0 * 2")
campaign() {  # file name levels...   (each level one string of lines joined by |)
  local file="$1" name="$2"
  shift 2
  {
    printf 'name %s\ndesc About %s.\nlevels %s\nlives 3\n' "$name" "$name" "$#"
    for level in "$@"; do printf '\nstart level\n%s\ndone level\n' "$(echo "$level" | tr '|' '\n')"; done
  } > "$WORK/$file"
}
join() { local IFS='|'; echo "$*"; }
for n in beginner easy hard master; do campaign "quib_$n.qbf" "$(echo $n | tr a-z A-Z)" "$(join "${RUN[@]}")"; done
campaign quib_intermediate.qbf INTERMEDIATE "$(join "${RUN[@]}")" "$(join "${EDGE[@]}")"
# Its header reads, but it asks for two levels and holds one.
campaign quib_zz_broken.qbf "Broken Side" "$(join "${RUN[@]}")"
sed -i 's/^levels 1$/levels 2/' "$WORK/quib_zz_broken.qbf"
printf '# Go right, never left: the west edge is deadly.\n5 right\n' > "$WORK/quib_intermediate.qbf.2.txt"
RECORDS="$XDG_DATA_HOME/quib/records.txt"

in_practice() { wait_for "$1" 160 1 192 8 '#FFFF00' 40; }
wait_not_playing() {  # seconds
  local end=$(( $(date +%s) + $1 ))
  while [ "$(date +%s)" -le "$end" ]; do
    shot
    [ "$(count_colour 176 368 32 8 '#FFFFFF')" -lt 10 ] && return 0
    sleep 0.1
  done
  return 1
}
level_crop() { /usr/bin/convert "$WORK/shot.png" -crop "160x8+32+336" +repage "$WORK/$1.png"; }
# The level line: "LEVEL n OF m" between arrows that show where LEFT and
# RIGHT lead.
same_picture() { [ "$(/usr/bin/compare -metric AE "$WORK/$1.png" "$WORK/$2.png" null: 2>&1)" = 0 ]; }
block() { awk -v n="campaign $1" '$0 == n { on = 1 } on { print } on && /^done campaign/ { exit }' "$RECORDS"; }

cd "$WORK" && { "$QUIB" & GAME=$!; }
find_window || fail "no window titled QUIB"
wait_menu 10 || fail "no menu at start"

# Never played: practice offers level 1 only.
tap p
in_practice 15 || fail "P did not open practice"
level_crop first
tap Right
shot
level_crop right
same_picture first right || fail "RIGHT went past the furthest level reached"
tap Escape
wait_menu 10 || fail "ESC did not go back from practice to the title"

# A campaign run reaches level 2 and quits there.
tap space
wait_playing 20 || fail "the campaign did not start"
tap Right
wait_for 15 164 128 96 8 '#C0C0C0' 10 || fail "level 1 was not won"
wait_not_playing 20 || fail "level 2 did not follow"
wait_playing 20 || fail "level 2 did not start"
tap Escape
tap y
wait_menu 10 || fail "quitting did not return to the menu"
block INTERMEDIATE | grep -qx "furthest 2" || fail "level 2 not reached: $(block INTERMEDIATE)"
block INTERMEDIATE | grep -qx "level 2 0" || fail "level 2 has a best before practice: $(block INTERMEDIATE)"

# Practice opens on level 2; LEFT reaches level 1, RIGHT comes back.
tap p
in_practice 15 || fail "P did not open practice the second time"
level_crop two
# "< LEVEL 2 OF 2  ": another level to the left only.
arrows() { echo "$(count_colour 32 336 8 8 '#FFFFFF') $(count_colour 152 336 8 8 '#FFFFFF')"; }
read -r L R <<<"$(arrows)"
[ "$L" -gt 0 ] && [ "$R" = 0 ] || fail "practice did not open on level 2 of 2 (arrows $L $R)"
tap Left
shot
read -r L R <<<"$(arrows)"
[ "$L" = 0 ] && [ "$R" -gt 0 ] || fail "LEFT did not show level 1 of 2 (arrows $L $R)"
# Level 1 has no route: no hint and nothing to watch, each said in its own words.
tap h
wait_for 8 0 368 512 8 '#FFFF00' 60 || fail "no word that level 1 has no hint"
/usr/bin/convert "$WORK/shot.png" -crop "512x8+0+368" +repage "$WORK/nohint.png"
tap v
wait_for 8 0 368 512 8 '#FFFF00' 60 || fail "no word that level 1 has no route"
/usr/bin/convert "$WORK/shot.png" -crop "512x8+0+368" +repage "$WORK/noroute.png"
same_picture nohint noroute && fail "the same words for no hint and no route"
tap Right
shot
level_crop back
same_picture two back || fail "RIGHT did not come back to level 2"

# H: the idea of level 2, from the first comment of its route.
tap h
wait_for 8 36 124 440 1 '#FFFF00' 400 || fail "no hint box"
[ "$(count_colour 48 132 400 8 '#FFFFFF')" -gt 100 ] || fail "no hint text"
tap h
wait_for 8 0 0 1 1 '#000000' 1
[ "$(count_colour 36 124 440 1 '#FFFF00')" -lt 10 ] || fail "H did not hide the hint"

# Play level 2: lose once (it replays, costing nothing), then win.
tap space
wait_playing 20 || fail "practice play did not start"
tap Left
wait_not_playing 20 || fail "the ball was not lost"
wait_playing 20 || fail "no replay after the loss"
[ "$(count_colour 0 1 512 8 '#FFFF00')" = 0 ] || fail "back at the chooser after a loss"
block INTERMEDIATE | grep -qx "runs 1" || fail "the loss counted as a run: $(block INTERMEDIATE)"
tap Right
wait_for 15 164 128 96 8 '#C0C0C0' 10 || fail "level 2 was not won in practice"
in_practice 15 || fail "no chooser after the win"
block INTERMEDIATE | grep -qE "^level 2 [1-9]" || fail "the level's best was not kept: $(block INTERMEDIATE)"
block INTERMEDIATE | grep -qx "runs 1" || fail "practice counted as a run: $(block INTERMEDIATE)"
[ "$(count_colour 416 336 80 8 '#C0C0C0')" -gt 20 ] || fail "the best is not shown"

# V: the route plays itself, its key shown under the board.
tap v
wait_for 12 0 1 512 8 '#C0C0C0' 50 || fail "no watching line"
# F1 while watching: the card stops the level like play's does.
tap F1
wait_for 8 20 16 472 1 '#FFFF00' 400 || fail "no key card while watching"
tap x
wait_for 8 0 320 512 10 '#FFFF00' 20 || fail "the route's key was not shown"
wait_for 15 164 128 96 8 '#C0C0C0' 10 || fail "the route did not reach the exit"
in_practice 15 || fail "no chooser after watching"

tap Escape
wait_menu 10 || fail "ESC did not go back to the title"

# P on a campaign that cannot be played does nothing.
tap Down; tap Down; tap Down
tap p
sleep 0.5
shot
in_menu || fail "P on a broken campaign left the title"
[ "$(count_colour 0 1 512 8 '#FFFF00')" = 0 ] || fail "practice opened on a broken campaign"
tap Escape
await_exit 30 "the game did not end after ESC"
[ "$STATUS" = 0 ] || fail "exit code $STATUS after ESC"
echo "window practice test passed"
