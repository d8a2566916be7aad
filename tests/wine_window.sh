#!/usr/bin/env bash
# quib.exe under Wine opens a 512 x 384 window titled QUIB whose pictures
# are the Linux game's, pixel for pixel: the title screen with the campaign
# wheel (every pixel that does not move with the animated pieces), and the
# countdown into a level (three still pictures of the board and panel).
# Starting the level writes the player's records under %APPDATA%\QUIB.
# Both games run in turn on one virtual display.
source "$(dirname "${BASH_SOURCE[0]}")/support/wine.sh" "$@"
start_display 560
new_prefix
GAME=""
stop_game() { [ -n "$GAME" ] && kill "$GAME" 2>/dev/null; wait "$GAME" 2>/dev/null; GAME=""; }
trap 'stop_game; cleanup' EXIT

# The window's 512 x 384 picture into $1.
snap() {
  eval "$(xdotool getwindowgeometry --shell "$WID")"
  import -window root -crop "512x384+$X+$Y" +repage "$1" 2>/dev/null
}
find_window() {
  WID=$(timeout 60 xdotool search --sync --onlyvisible --name '^QUIB$' | head -1)
  [ -n "$WID" ]
}
tap() { xdotool keydown --window "$WID" "$1"; sleep 0.15; xdotool keyup --window "$WID" "$1"; sleep 0.15; }
# Waits for the title screen's campaign wheel (its yellow highlight).
await_menu() {
  for _ in $(seq 100); do
    snap "$WORK/probe.png"
    [ "$(convert "$WORK/probe.png" -crop 193x18+160+246 +repage -depth 8 txt:- | grep -c '#FFFF00')" -gt 380 ] && return 0
    sleep 0.3
  done
  return 1
}
# Pictures of one game: 18 of the title over 6 s (past two logo flips),
# then SPACE starts INTERMEDIATE, and 30 pictures of its countdown.
pictures() {  # prefix
  find_window || fail "$1: no window titled QUIB"
  eval "$(xdotool getwindowgeometry --shell "$WID")"
  [ "$WIDTH" = 512 ] && [ "$HEIGHT" = 384 ] || fail "$1: the window is ${WIDTH}x${HEIGHT}"
  await_menu || fail "$1: no campaign wheel on the title screen"
  for i in $(seq -w 18); do snap "$WORK/$1-title-$i.png"; sleep 0.33; done
  tap space
  for i in $(seq -w 30); do snap "$WORK/$1-level-$i.png"; sleep 0.15; done
  stop_game
}

(cd "$CAMPAIGNS" && exec "$LINUX_QUIB") &
GAME=$!
pictures linux
(cd "$WIN" && exec wine quib.exe) &
GAME=$!
pictures windows
# Starting the campaign reached its first level: the records are kept in
# the player's application-data folder.
records=$(find "$WINEPREFIX/drive_c/users" -ipath '*/AppData/Roaming/QUIB/records.txt' | head -1)
[ -n "$records" ] && grep -qx 'campaign INTERMEDIATE' "$records" || fail "no records in %APPDATA%\\QUIB"

# The title: the pixels that change between the Linux pictures are the
# animated pieces; everything else must be the same on Windows.
cd "$WORK" || fail "no scratch folder"
convert -size 512x384 xc:black moving.png
for shot in linux-title-*.png; do
  convert linux-title-01.png "$shot" -compose difference -composite -channel RGB -threshold 0 +channel \
    -separate moving.png -evaluate-sequence max moving.png
done
# The pieces' edges move too in frames no picture caught: 3 pixels more.
convert moving.png -morphology Dilate Square:3 moving.png
still=$(convert moving.png -format '%[fx:100*(1-mean)]' info:)
awk -v s="$still" 'BEGIN { exit !(s > 70) }' || fail "only $still% of the title stands still"
convert moving.png -negate keep.png
convert linux-title-01.png keep.png -compose multiply -composite want.png
for shot in windows-title-*.png; do
  convert "$shot" keep.png -compose multiply -composite got.png
  differ=$(compare -metric AE want.png got.png null: 2>&1)
  [ "$differ" = 0 ] || fail "$shot: $differ still pixels differ from the Linux title"
done

# The level: the countdown's still pictures, found in both games. Under
# Wine the window never shows the yellow "2" (the red "3" stays up for both
# its seconds), and once the countdown ends the ball of the first level moves
# at once, so the red "3" and the green "1" are the pictures both games must
# show pixel for pixel; any still frame of play the two share counts too.
for shot in linux-level-*.png windows-level-*.png; do
  echo "$(convert "$shot" -depth 8 rgb:- | md5sum | cut -c1-32) ${shot%%-*}"
done | sort -u >hashes.txt
both=$(cut -d' ' -f1 hashes.txt | uniq -d | wc -l)
[ "$both" -ge 2 ] || fail "only $both pictures of the countdown are the same on both systems"
echo "wine window test passed: ${still}% of the title and $both level pictures the same"
