#!/usr/bin/env bash
# Redraws the game's icon with the game's own pieces: the hicolor PNG icons
# of the desktop entry (desktop/icons/quib-N.png, N = 48, 64, 128, 256) and
# the window icon compiled into the game (platform/quib_icon.xpm) and the
# Windows program's icon (platform/windows/quib.ico).
#
#   bash scripts/icons/make.sh
#
# Builds the drawing program in build/ (headless: no display needed) and
# needs ImageMagick's convert.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
BUILD="$ROOT/build"
OUT="$(mktemp -d)"
trap 'rm -rf "$OUT"' EXIT

cmake -S "$ROOT" -B "$BUILD" >/dev/null
cmake --build "$BUILD" --target quib-icons -j2 >/dev/null
"$BUILD/quib-icons" "$OUT"

mkdir -p "$ROOT/desktop/icons"
# -strip leaves out the time stamps, so an unchanged icon gives the same file.
for n in 64 128 256; do
  convert "$OUT/quib-$n.bmp" -strip "$ROOT/desktop/icons/quib-$n.png"
done
convert "$OUT/quib-96.bmp" -filter Box -resize 48x48 -strip "$ROOT/desktop/icons/quib-48.png"
cp "$OUT/quib_icon.xpm" "$ROOT/platform/quib_icon.xpm"
ICONS="$ROOT/desktop/icons"
convert \( "$ICONS/quib-64.png" -filter Box -resize 16x16 \) \( "$ICONS/quib-64.png" -filter Box -resize 32x32 \) \
  "$ICONS/quib-48.png" "$ICONS/quib-64.png" "$ICONS/quib-256.png" -strip "$ROOT/platform/windows/quib.ico"
echo "icons written to desktop/icons/, platform/quib_icon.xpm and platform/windows/quib.ico"
