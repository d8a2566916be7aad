#!/usr/bin/env bash
# The campaign menu in a real window: the five-row wheel over the title
# screen, turning it with Down and Up, a campaign whose levels are broken
# leaving the wheel when chosen, and ESC ending the program with code 0.
# The game runs in a scratch folder of small campaign files made here.
DISPLAY_BASE=620
source "$(dirname "${BASH_SOURCE[0]}")/support/window.sh" "$@"

# A campaign of one level: start, empty cell, exit.
campaign() {  # file name levels-required
  printf 'name %s\ndesc About %s.\nlevels %s\nlives 3\n\nstart level\nwidth 3\nheight 1\nlimit 20\nwall N B\nwall E B\nwall S B\nwall W B\nat 0 0 . 1\nat 2 0 * 2\ndone level\n' \
    "$2" "$2" "$3" > "$WORK/$1"
}
campaign quib_beginner.qbf BEGINNER 1
campaign quib_easy.qbf EASY 1
campaign quib_intermediate.qbf INTERMEDIATE 1
campaign quib_hard.qbf HARD 1
campaign quib_master.qbf MASTER 1
# Its header reads, but it asks for two levels and holds one.
campaign quib_zz_broken.qbf "Broken Side" 2

# The name in wheel row r (0-4) of the last shot, as "length:pixels": the
# number of characters (from where the centred text begins) and the number
# of its lit pixels, which tells the names of the same length apart.
row_name() {  # row colour
  local y=$(( 192 + 25 * $1 + 8 ))
  /usr/bin/convert "$WORK/shot.png" -crop "198x8+157+$y" +repage -depth 8 txt:- | grep "$2" |
    awk -F'[,:]' 'NR == 1 || $1 < min { min = $1 } END { if (NR == 0) print "none"; else print int((256 - (157 + min) + 3) / 4) ":" NR }'
}
# The five rows of the last shot, the middle one white, the others grey.
wheel() {
  local r out=""
  for r in 0 1 2 3 4; do
    if [ "$r" = 2 ]; then out="$out $(row_name $r '#FFFFFF')"; else out="$out $(row_name $r '#C0C0C0')"; fi
  done
  echo $out
}
lengths() { echo "$1" | sed 's/:[0-9]*//g'; }
wheel_crop() { /usr/bin/convert "$WORK/shot.png" -crop "201x126+156+192" +repage "$WORK/$1.png"; }

cd "$WORK" && { "$QUIB" & GAME=$!; }
find_window || fail "no window titled QUIB"
sleep 1

# The wheel opens on INTERMEDIATE with the other difficulties around it.
shot
START="$(wheel)"
[ "$(lengths "$START")" = "8 4 12 4 6" ] || fail "opening wheel shows lengths $(lengths "$START") ($START)"
[ "$(count_colour 160 246 193 18 '#FFFF00')" -gt 380 ] || fail "no yellow highlight in the middle row"
[ "$(count_colour 157 193 199 50 '#FFFF00')" = 0 ] || fail "yellow above the middle row"
[ "$(count_colour 157 268 199 49 '#FFFF00')" = 0 ] || fail "yellow below the middle row"
[ "$(count_colour 0 368 512 8 '#C0C0C0')" -gt 50 ] || fail "no description under the wheel"
read -r B E I H M <<<"$START"

# One step down: HARD in the middle, EASY on top, the extra campaign last.
tap Down
shot
DOWN="$(wheel)"
read -r R0 R1 R2 R3 X <<<"$DOWN"
[ "$R0 $R1 $R2 $R3" = "$E $I $H $M" ] || fail "after Down the wheel shows $DOWN, expected $E $I $H $M ..."
[ "$(lengths "$X")" = 11 ] || fail "the bottom row after Down is not 'Broken Side' ($X)"
wheel_crop down

# Six steps up with six campaigns: the same picture again.
for _ in 1 2 3 4 5 6; do tap Up; done
shot
wheel_crop again
[ "$(/usr/bin/compare -metric AE "$WORK/down.png" "$WORK/again.png" null: 2>&1)" = 0 ] ||
  fail "six steps up did not bring the wheel back ($(wheel))"

# Two down to the broken campaign; choosing it drops it and highlights the
# campaign before it.
tap Down; tap Down
shot
[ "$(lengths "$(row_name 2 '#FFFFFF')")" = 11 ] || fail "'Broken Side' is not highlighted ($(wheel))"
tap space
sleep 0.3
kill -0 "$GAME" 2>/dev/null || fail "the game ended on a broken campaign"
shot
AFTER="$(wheel)"
[ "$AFTER" = "$I $H $M $B $E" ] || fail "after the broken campaign the wheel shows $AFTER, expected $I $H $M $B $E"
tap Down
shot
[ "$(row_name 2 '#FFFFFF')" = "$B" ] || fail "the broken campaign is still on the wheel ($(wheel))"

tap Escape
await_exit 30 "the game did not end after ESC"
[ "$STATUS" = 0 ] || fail "exit code $STATUS after ESC"
echo "window menu wheel test passed"
