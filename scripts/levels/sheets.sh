#!/bin/bash
# Draws every playable level of the five difficulty campaigns with
# quib-pictures and makes one contact sheet a campaign,
# campaigns/sheets/quib_<name>.png: its levels in a grid at half size, each
# labelled with its slot number, as a small palette PNG.
# Usage: bash scripts/levels/sheets.sh [BUILD_DIR]   (default build-levels)
set -e
repo=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$repo/build-levels}
[ -f "$build/CMakeCache.txt" ] || cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target quib-pictures >/dev/null

# A font the labels can use: DejaVu Sans where it is installed, else the
# first one ImageMagick knows.
font=$(convert -list font | awk '$1 == "Font:" { if (!first) first = $2; if ($2 == "DejaVu-Sans") { print $2; found = 1; exit } }
                                 END { if (!found && first) print first }')

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$repo/campaigns/sheets"
for name in beginner easy intermediate hard master; do
  mkdir "$work/$name"
  inputs=()
  while read -r picture; do
    slot=$(basename "$picture" .bmp)
    # Halved, with its number written right under the board.
    convert "$picture" -scale 50% -background '#202020' -fill white ${font:+-font "$font"} -pointsize 12 \
      -gravity center label:"$((10#$slot))" -append "${picture%.bmp}.png"
    inputs+=("${picture%.bmp}.png")
  done < <("$build/quib-pictures" "$repo/campaigns/quib_$name.qbf" "$work/$name")
  # -strip and no date chunks: the same campaign gives the same file.
  montage -background '#202020' "${inputs[@]}" \
    -tile 5x -geometry +6+6 miff:- |
    convert - -strip -colors 64 -define png:exclude-chunks=date,time "PNG8:$repo/campaigns/sheets/quib_$name.png"
  echo "campaigns/sheets/quib_$name.png"
done
