#!/usr/bin/env bash
# Takes the README's pictures from the real game window on a virtual
# display: the title with the campaign menu, a level in play, the bonus
# tally at an exit and the editor. Writes docs/title.png, docs/play.png,
# docs/tally.png and docs/editor.png.
#
#   bash scripts/pictures.sh            (after a build into build/)
#
# Needs Xvfb, xdotool and ImageMagick (installed by scripts/setup.sh test).
# No errexit: the shared window helpers (and their clean-up at exit) test
# and kill things that may already be gone; failures go through fail.
set -u
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
GAME="${1:-$ROOT/build/quib}"
[ -x "$GAME" ] || { echo "no game at $GAME: build it first" >&2; exit 1; }
DISPLAY_BASE=940
source "$ROOT/tests/support/window.sh" "$GAME"
mkdir -p "$ROOT/docs" || fail "cannot make docs/"
cp "$ROOT"/campaigns/quib_*.qbf "$WORK/" || fail "cannot copy the campaigns"

# The window opens at the top left of the bare virtual display.
keep() {  # name
  convert "$WORK/shot.png" -crop 512x384+0+0 +repage -strip "$ROOT/docs/$1.png" || fail "cannot write docs/$1.png"
}
start() {  # options...
  (cd "$WORK" && exec "$QUIB" "$@") &
  GAME=$!
  find_window || fail "no game window"
}
stop() {
  kill "$GAME" 2>/dev/null
  wait "$GAME" 2>/dev/null
  GAME=""
}
# Takes shots until the test in $1 holds (up to 10 s).
await() {  # test what
  for _ in $(seq 50); do
    shot
    eval "$1" && return 0
    sleep 0.2
  done
  fail "$2 did not show"
}

start
sleep 1.5
shot
in_menu || fail "no menu"
keep title

# INTERMEDIATE, in the middle of the wheel, after two seconds of play: the
# fields have moved the ball, which leaves a trail.
tap space
await playing "play"
sleep 2
shot
keep play
tap Escape; tap y
await in_menu "the menu after play"

# BEGINNER's first level: one nudge to the right drifts the ball to the
# exit, and the bonus tally stays in view for five seconds.
tap Up; tap Up
tap space
await playing "BEGINNER"
tap Right
await "[ \"\$(count_colour 164 128 96 8 '#C0C0C0')\" -gt 40 ]" "the bonus tally"
sleep 0.5
shot
keep tally
stop

# The editor on a copy of MASTER.
start -Equib_master.qbf -L2
sleep 1.5
shot
keep editor
stop
echo "pictures written to docs/"
