#!/bin/bash
# Regenerates campaigns/README.md from the shipped campaigns and their
# winning scripts beside them: for each difficulty campaign its
# quib-lab report (the table of levels, the medians and the targets) and its
# contact sheet, which sheets.sh draws first.
# Usage: bash scripts/levels/readme.sh [BUILD_DIR]   (default build-levels)
set -e
repo=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$repo/build-levels}
names="beginner easy intermediate hard master"

bash "$repo/scripts/levels/sheets.sh" "$build" >/dev/null
cmake --build "$build" --target quib-lab >/dev/null

cd "$repo"
files=
for name in $names; do files="$files campaigns/quib_$name.qbf"; done
report=$(mktemp)
trap 'rm -f "$report" campaigns/README.md.new' EXIT
# Status 2 means a target is missed: the verdicts say which, in the file.
"$build/quib-lab" report $files > "$report" || [ $? -eq 2 ]

{
  cat <<'HEAD'
# The shipped campaigns

This file is generated: `bash scripts/levels/readme.sh` writes it from
`campaigns/quib_*.qbf` and the winning scripts beside them, with
`quib-lab report` (see `man/quib-lab.6`) and the level pictures of
`quib-pictures`. Do not edit it by hand.

For each level of a campaign the table gives:

- **force A/R/C/W**: force pieces in all, then attractors, repellers,
  clockwise and anticlockwise spinners;
- **coins**, **hazards**, and the **ball** size (a coin and a hazard of one
  size on the same board is marked: they are hard to tell apart; a board
  that can be read has a ball and force pieces of size 1 or more, since
  size 0 is drawn as a dot of 3 pixels);
- **no key**: how the level ends when nothing is pressed after the
  countdown (lost, time out or exit) and at which frame: a calm start
  loses nothing before frame 90, 3 seconds;
- of the stored winning script: **presses** (a press is a run of
  consecutive frames that hold keys; in brackets, the presses left when
  every press the script can win without is taken out, one at a time: a
  stored script may keep a spare press that makes its timing more
  forgiving), the frame of the **first** press (15 or later: half a second
  to read the board), the frames between the **closest** two presses,
  start to start (10 or more), whether it uses **FLIP**, the frame it
  reaches the **exit**, the **time left** at the exit, and the timing **margin**: the largest shift,
  up to 15 frames, by which each press alone may come that much earlier
  and that much later and still win (the level's tightest press counts);
- **random**: the share of 200 random input scripts that win the level.
  Each script has 1 to 4 presses (drawn evenly); each press is one of the
  five keys (up, right, down, left, flip, drawn evenly) held for one frame
  at a frame drawn evenly from 1 to 30 times the level's time limit in
  seconds. The generator (the standard Mersenne twister, `std::mt19937`)
  starts from the same seed for every level, so the figure is the same on
  every run;
- **idea**: the first line of the level's solution file, shown in the
  game as a hint: at most 64 characters, in the game's own words.

After each table come the campaign's medians, those of the rhythm with
the random scripts won over all its levels, and its targets (`ok` or
`MISS`), then a picture of every level at half size, numbered by slot.

HEAD
  awk -v names="$names" '
    function sheet(name) { printf "![The levels of %s](sheets/quib_%s.png)\n\n", toupper(name), name }
    BEGIN { split(names, list, " ") }
    /^## / { if (n > 0) sheet(list[n]); ++n }
    /^Across the campaigns given:/ { sheet(list[n]); print "## Across the five campaigns\n"; next }
    { print }
  ' "$report"
} > campaigns/README.md.new
mv campaigns/README.md.new campaigns/README.md
echo campaigns/README.md
