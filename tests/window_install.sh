#!/usr/bin/env bash
# The Debian package, installed the way a player gets the game: built with
# CPack from the build folder, checked by lintian, desktop-file-validate and
# appstreamcli, installed with dpkg into a scratch root (its own dpkg
# database, so the machine itself is left alone), then started from an
# empty folder at the plain size and with -Z9 (lowered to 2), and finally removed with
# dpkg, which must leave no file behind.
#
# The installed game searches the fixed /usr/share/quib/, which is the
# machine's, not the scratch root's; the player's own folder
# ($XDG_DATA_HOME/quib/) is pointed at the scratch root's instead, so the
# game plays the campaigns the package installed.
# A desktop on which a window twice the size fits with its frame.
DISPLAY_BASE=920 XVFB_SCREEN=1280x1024x24
source "$(dirname "${BASH_SOURCE[0]}")/support/window.sh" "$@"
BUILD="$(dirname "$QUIB")"
for tool in cpack dpkg lintian desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || fail "$tool is missing (bash scripts/setup.sh test installs it)"
done

(cd "$BUILD" && cpack -G DEB -B "$WORK/pkg" >"$WORK/cpack.log" 2>&1) || fail "cpack: $(tail -5 "$WORK/cpack.log")"
DEB=$(ls "$WORK"/pkg/quib_*.deb 2>/dev/null | head -1)
[ -n "$DEB" ] || fail "no package built"
DEPENDS=$(dpkg-deb -f "$DEB" Depends)
[[ "$DEPENDS" == *liballegro4* && "$DEPENDS" == *libc6* ]] || fail "dependencies not worked out: '$DEPENDS'"
lintian --fail-on error "$DEB" >"$WORK/lintian.log" 2>&1 || fail "lintian: $(grep '^E:' "$WORK/lintian.log")"

ROOT="$WORK/root"
mkdir -p "$ROOT/var/lib/dpkg/info" "$ROOT/var/lib/dpkg/updates"
touch "$ROOT/var/lib/dpkg/status"
# The libraries the package depends on are the machine's, not the root's.
dpkg --root="$ROOT" --force-depends -i "$DEB" >"$WORK/dpkg.log" 2>&1 || fail "dpkg -i: $(cat "$WORK/dpkg.log")"
for file in usr/games/quib usr/games/quib-replay usr/games/quib-lab usr/share/man/man6/quib.6.gz \
  usr/share/man/man6/quib-replay.6.gz usr/share/man/man6/quib-lab.6.gz \
  usr/share/applications/studio.quib.quib.desktop usr/share/metainfo/studio.quib.quib.metainfo.xml \
  usr/share/icons/hicolor/{48x48,64x64,128x128,256x256}/apps/quib.png \
  usr/share/quib/quib_{beginner,easy,intermediate,hard,master,first_steps}.qbf \
  usr/share/quib/quib_beginner.qbf.1.txt usr/share/quib/quib_master.qbf.1.txt; do
  [ -f "$ROOT/$file" ] || fail "the package does not install /$file"
done
desktop-file-validate "$ROOT/usr/share/applications/studio.quib.quib.desktop" || fail "desktop entry"
grep -qx 'Exec=quib -Z' "$ROOT/usr/share/applications/studio.quib.quib.desktop" || fail "the menu entry does not start quib -Z"
# Free software under the MIT licence (Expat), said the same way in both.
grep -qx 'License: Expat' "$ROOT/usr/share/doc/quib/copyright" || fail "the copyright file does not name Expat"
grep -q '<project_license>MIT</project_license>' "$ROOT/usr/share/metainfo/studio.quib.quib.metainfo.xml" ||
  fail "the metainfo does not name the MIT licence"
appstreamcli validate --no-net "$ROOT/usr/share/metainfo/studio.quib.quib.metainfo.xml" >"$WORK/as.log" 2>&1 ||
  fail "metainfo: $(cat "$WORK/as.log")"

mkdir -p "$WORK/empty" "$WORK/home"
start_installed() {  # options...
  (cd "$WORK/empty" && HOME="$WORK/home" XDG_DATA_HOME="$ROOT/usr/share" exec "$ROOT/usr/games/quib" "$@") \
    2>"$WORK/stderr" &
  GAME=$!
  find_window || fail "no window with $*"
  eval "$(xdotool getwindowgeometry --shell "$WID")"
  sleep 1
  shot
}
stop_game() {
  tap Escape
  await_exit 50 "the game did not end after ESC in the menu"
  [ "$STATUS" = 0 ] || fail "exit code $STATUS"
}

start_installed
[ "$WIDTH" = 512 ] && [ "$HEIGHT" = 384 ] || fail "plain window is ${WIDTH}x${HEIGHT}"
in_menu || fail "no campaign wheel in the plain window"
# The wheel (BEGINNER to MASTER, INTERMEDIATE highlighted), which stays
# still while the title around it moves.
convert "$WORK/shot.png" -crop 201x126+156+192 +repage "$WORK/wheel1.png"
stop_game

# Nine times does not fit a 1280 x 1024 desktop: lowered to 2, with one line.
start_installed -Z9
[ "$WIDTH" = 1024 ] && [ "$HEIGHT" = 768 ] || fail "window with -Z9 is ${WIDTH}x${HEIGHT}"
grep -q "9 times the size does not fit the desktop; opening it 2 times" "$WORK/stderr" ||
  fail "no line on the lowered factor: $(cat "$WORK/stderr")"
# The same wheel, every pixel a 2 x 2 square.
convert "$WORK/shot.png" -crop 402x252+312+384 +repage "$WORK/wheel2.png"
convert "$WORK/wheel1.png" -scale 200% "$WORK/wheel1x2.png"
DIFFERENT=$(compare -metric AE "$WORK/wheel1x2.png" "$WORK/wheel2.png" null: 2>&1)
[ "$DIFFERENT" = 0 ] || fail "$DIFFERENT pixels of the scaled wheel differ from the plain one"
# Drawn straight over the picture: the quit question is scaled too.
tap Up; tap Up; tap space
STARTED=""
for _ in $(seq 30); do
  shot
  # The SCORE label, and FLIP in white once play runs, scaled.
  [ "$(count_colour 64 672 96 16 '#C0C0C0')" -gt 40 ] && [ "$(count_colour 352 736 64 16 '#FFFFFF')" -gt 40 ] &&
    { STARTED=1; break; }
  sleep 0.2
done
[ -n "$STARTED" ] || fail "BEGINNER did not start with -Z9"
tap Escape
sleep 0.3
shot
[ "$(count_colour 424 704 176 16 '#FFFF00')" -gt 40 ] || fail "no scaled quit question"
tap y
sleep 0.5
stop_game

# The quit run kept its records in the player's folder, which this test
# points into the scratch root. They are the player's, not the package's
# (dpkg never removes a player's files), so they go before the removal.
[ -s "$ROOT/usr/share/quib/records.txt" ] || fail "no records in the player's folder after a run"
rm -f "$ROOT/usr/share/quib/records.txt"
dpkg --root="$ROOT" -r quib >"$WORK/dpkg.log" 2>&1 || fail "dpkg -r: $(cat "$WORK/dpkg.log")"
LEFT=$(find "$ROOT" -mindepth 1 -not -path "$ROOT/var/*" -not -path "$ROOT/var")
[ -z "$LEFT" ] || fail "dpkg -r left: $LEFT"
echo "install test passed"
