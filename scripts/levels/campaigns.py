#!/usr/bin/env python3
"""The five difficulty campaigns, drawn as text, with the winning input
script of every level. Running this script writes campaigns/quib_*.qbf and
tests/solutions/quib_*.qbf.N.txt; `check` replays every level with
build-levels/quib-replay, with its solution and with no input at all.

    python3 scripts/levels/campaigns.py [write] [check] [NAME...]
"""
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from qbf import level, campaign  # noqa: E402

REPO = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
REPLAY = os.environ.get("QUIB_REPLAY", os.path.join(REPO, "build-levels", "quib-replay"))


class L:
    """One level: the board, its limits and walls, and how to win it."""

    def __init__(self, rows, limit, bonus, walls, idea, solution):
        self.text = level(rows, limit, bonus, walls)
        self.idea = idea
        self.solution = solution.strip()


CAMPAIGNS = {}


def define(key, name, desc, lives, levels, required=None):
    CAMPAIGNS[key] = (name, desc, lives, levels, required)


# ---------------------------------------------------------------- BEGINNER
define("beginner", "BEGINNER", "One idea a level: NUDGE, coins, repellers, spinners, wrapping and FLIP.", 5, [
    L("""
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  .1 _  _  _  _  _  _  _  _  *2 _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
""", 30, 20, "BBBB", "One NUDGE to the right and the ball drifts to the exit.", """
5 right
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _
_  .1 _  $1 _  $1 _  $1 _  $2 _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  *2 _  _  _  _  _  _  _  _  _  _
""", 25, 10, "BBBB", "Collect the row of coins, then NUDGE down on the way back to zigzag to the exit.", """
12 right
70 down
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
_  .1 _  _  _  -1 _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  *2 _
_  _  _  _  _  _  _  _  _  _  _
""", 30, 15, "BBBB", "Straight at the repeller bounces back: go down first, then right and round it.", """
29 down
56 right
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _
_  .1 _  _  _  _  _  _  _  *2 _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  >1 _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
""", 30, 15, "BBDB", "The spinner swings the ball round clockwise; NUDGE right before it drops off the south edge.", """
36 right
"""),
    L("""
_  _  _  _  _  !1 _  _  _  _  _  _
_  _  _  _  _  !1 _  _  _  _  _  _
_  _  *2 _  _  !1 _  _  .1 _  _  _
_  _  _  _  _  !1 _  _  _  _  _  _
_  _  _  _  _  !1 _  _  _  _  _  _
""", 30, 15, "BWBW", "The hazards bar the way; go right, out through the wrapping edge and in from the left.", """
11 right
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
_  +2 _  _  .1 _  _  _  _  *2 _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
""", 30, 15, "BBBB", "The attractor pulls the ball in; FLIP it into a repeller that pushes the ball to the exit.", """
11 flip
"""),
    L("""
_  _  _  _  _  _  _  _  !1 _  _  _  _
_  .0 _  $0 _  $1 _  _  !1 _  _  _  _
_  _  _  _  _  _  _  _  !1 _  _  _  _
_  _  _  _  _  _  _  _  !1 _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  !1 _  _  _  _
_  _  _  _  _  _  _  _  !1 _  _  *3 _
_  _  _  _  _  _  _  _  !1 _  _  _  _
""", 30, 15, "BWDW", "Right along the coins, then NUDGE down once to slip diagonally through the gap to the exit.", """
19 right
48 down
"""),
])


# ---------------------------------------------------------------- EASY
define("easy", "EASY", "Two ideas at once: slingshots, orbits, launchers and FLIP at the right time.", 4, [
    L("""
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  +2 _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  .1 _  $0 _  $0 _  $1 _  $0 _  $0 _  _  *2 _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  +2 _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
""", 30, 20, "DBDB", "Two equal attractors hold the ball on the line between them; one NUDGE right carries it through.", """
12 right
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _  _  _
_  .1 _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  +2 _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  *2 _
""", 30, 20, "BBDB", "Hold back from the attractor, then NUDGE right and let it swing the ball round to the exit.", """
4 left
46 right
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _
_  *2 _  -1 .1 _  _  _  _  _  !2 _  _
_  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _
""", 25, 15, "BWBW", "The repeller shoots the ball east at a hazard: duck under it and come round through the wrap.", """
14 down
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  .1 _  _  _  _  _  +3 _  _  _  _  _  *2 _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _
""", 30, 20, "BBBB", "NUDGE up to miss the attractor; as it swings the ball under, FLIP to fling it to the exit.", """
11 up
59 flip
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  .1 _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  *3 _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  $1 _  _  _  +3 _  _  _  $1 _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  $1 _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
""", 40, 25, "DDDD", "One NUDGE right puts the ball in orbit round the coins; NUDGE right again at the top to escape.", """
1 right
170 right
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _
_  .1 _  _  _  _  >2 _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  *2 _  _
""", 30, 20, "DBBB", "The spinner lifts the ball over the deadly edge: NUDGE down, then FLIP to swing round below.", """
34 down
56 flip
"""),
    L("""
_  _  _  _  _  _  $2 _  _
_  _  .1 _  _  !1 _  *3 _
_  _  _  _  _  !1 _  _  _
_  _  $0 _  _  !1 _  _  _
_  _  _  _  _  !1 _  _  _
_  _  $0 _  _  !1 _  _  _
_  _  _  _  _  !1 _  _  _
_  _  $0 _  _  !1 _  _  _
_  _  _  _  _  !1 _  _  _
_  _  _  _  _  _  _  _  _
""", 25, 12, "WDWD", "Fall through the coins and round the wrap, then NUDGE right to slip past the hazards.", """
10 down
121 right
"""),
])


# ---------------------------------------------------------------- INTERMEDIATE
define("intermediate", "INTERMEDIATE", "Routes to read: swing, deflect, orbit, zigzag and wrap with care.", 3, [
    L("""
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  .1 _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  $1 _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  +2 _  _  _  _  _  _
!3 !3 !3 !3 !3 _  _  _  _  _  $1 _  _  _  _  _
_  _  _  _  $1 _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  *2 _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
""", 20, 10, "BBBB", "Let the attractor draw the ball in, then NUDGE right: it swings round and back under the fence.", """
37 right
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  .1 _  _  $0 _  _  >0 _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  $1 _  !1 _  _  _  _
_  _  _  _  _  _  _  _  !1 _  _  $1 _  !1 _
_  _  _  _  _  _  _  _  _  _  _  _  _  *2 _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _
""", 20, 12, "DDDD", "The spinner turns an oncoming ball up and off the board: FLIP it first so it turns you down.", """
25 flip
41 right
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  $1 _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  *2 _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  .1 _  _  _  +3 _  _  _  $1 _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  $1 _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
""", 25, 14, "DDDD", "NUDGE up at once to orbit the attractor; after a lap of coins, brake and fall onto the exit.", """
1 up
224 down
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  !1 $1 _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  .0 _  _  _  !1 _  _  !1 _  _  _  !1 _  _  _  _  !1
_  _  _  _  !1 _  _  !1 _  _  _  _  _  _  _  $1 _  _
_  _  _  _  _  _  $1 _  _  _  _  _  _  _  !1 _  _  *3
""", 20, 12, "BBBD", "A diagonal bounces between the walls; start it at the right moment to thread the hazards.", """
6 right
30 down
"""),
    L("""
_  _  _  !1 _  _  _  !1 _  _  _  $2
_  .0 _  _  _  _  !1 _  _  _  _  _
_  $2 _  !1 _  _  _  _  _  _  !1 _
!1 _  _  _  _  _  _  !1 _  _  _  !1
_  _  _  _  !1 _  _  _  _  !1 _  _
_  _  !1 _  *3 _  !1 _  _  _  _  _
_  _  _  !1 _  _  _  !1 _  $2 _  _
_  _  _  _  _  !1 _  _  _  _  _  _
""", 20, 12, "WWWW", "Every edge wraps: set off on a diagonal that runs round the board and into the exit.", """
8 right
31 down
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _
_  -1 .1 _  _  _  $1 _  _  _  +2 _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  *2 _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _
""", 12, 8, "DBDB", "The repeller fires the ball at the attractor: NUDGE down and FLIP to land softly on the exit.", """
24 down
32 flip
"""),
])


# ---------------------------------------------------------------- HARD
define("hard", "HARD", "Short clocks and narrow gaps: one good line through every board.", 3, [
    L("""
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  !1 !1 !1 _  _  _  _  _  _  _  _  _  _  _
!1 .1 $1 _  _  $1 _  >0 !1 !1 _  _  _  _  _  _  _
_  _  !1 _  _  _  !1 _  _  $1 _  _  _  !1 _  _  _
_  _  _  _  _  _  _  _  !1 _  _  _  _  _  *2 _  _
_  _  _  _  _  _  _  _  _  _  _  _  <1 _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
""", 10, 5, "DDDD", "FLIP so the first spinner turns the ball down; the second one bends it on to the exit.", """
25 flip
41 right
"""),
    L("""
_  _  _  _  _  !1 _  _  _  _  _  _  _  _  _  _
_  .1 _  _  _  _  _  _  _  !1 !1 _  _  _  _  _
_  _  _  _  _  _  !1 _  _  $2 _  _  !1 _  _  _
_  _  _  _  _  _  _  _  _  !1 _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
!3 !3 !3 !3 !3 _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  +1 _  _  _  _  _  $2 _
_  !1 _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  *2 _  _  _  _  _  _  _  _  _  _  !1 _  _
_  _  _  _  _  _  _  $2 _  _  _  _  _  _  _  _
""", 12, 4, "BBDB", "The long way round: one early NUDGE right and the attractor swings the ball past every hazard.", """
1 right
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  .1 _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  !1 _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  !1 _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  $2 _  _  _  +3 _  _  _  $2 _  !1 _  *2 _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  !1 _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  !1 _  _  _
_  _  _  _  _  _  _  _  $2 _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
""", 15, 6, "DDDD", "Orbit the attractor for the coins, then NUDGE right at the top to slip between the hazards.", """
1 right
211 right
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  .0 _  $2 _  _  _  _  _  !1 _  _  _  _  _  _  _  _
_  _  _  _  _  _  !1 _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  !1 _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  !1 _  _  _  _  _  _  !1 *3 _
_  _  _  _  _  _  _  !1 _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  $2 _  !1 _  _  _  _  !1 _
_  _  _  _  _  _  _  _  _  !1 _  _  _  $2 _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  !1 _  _  _  _  _
""", 10, 5, "DDDD", "Slalom: right, down the diagonal, level out along the bottom, then climb to the exit.", """
1 right
25 down
70 up
95 up
"""),
    L("""
*3 _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  *3
_  _  _  _  _  _  _  _  .1 _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  $2 _  _  _  +3 _  _  _  $2 _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  $2 _  _  _  _  _  _  _  _
*3 _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  *3
""", 12, 5, "DDDD", "Orbit for the coins, then FLIP: the attractor turns repeller and fires the ball into a corner.", """
4 right
133 flip
"""),
    L("""
_  _  _  _  _  !1  _  !1  !1  !1  _  _  _  _  _  _
_  .0  _  _  _  _  _  _  $2  _  _  _  !1  _  $2  _
_  _  _  _  !1  !1  _  _  _  !1  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  !1  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
!1  _  _  _  _  _  *3  _  _  _  _  _  _  _  _  _
_  !1  _  _  _  _  _  !1  _  _  _  _  _  _  _  _
_  _  _  _  _  _  $2  _  _  _  _  _  _  _  _  _
_  _  _  !1  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  !1  _  _  _  _  _  _  _
""", 15, 8, "WWWW", "Every edge wraps: two NUDGEs right and one down set a shallow line that runs round to the exit.", """
1 right
24 right
47 down
"""),
])


# ---------------------------------------------------------------- MASTER
define("master", "MASTER", "Every piece, every edge, and next to no time: for steady hands only.", 2, [
    L("""
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  <1 _  _  _  _  _  _  >1 _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  !1 !1 !1 _  _  _  _  _  _  _  _  _  _  _  _
!1 .1 $2 $2 _  !1 _  +0 _  _  _  _  _  _  _  _
_  !1 !1 !1 _  _  !1 _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  !1 _  _
_  _  _  _  >1 _  _  $2 _  _  _  <1 _  *2 _  _
_  _  _  _  _  _  _  !1 _  _  !1 _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
""", 7, 3, "BDBD", "Four spinners and a weak attractor: slide left off the coins, then drop at the right moment.", """
36 left
62 down
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  $2 _  _  !1 _  _  _  _  _
_  _  _  _  _  _  _  _  *2 !1 !1 _  _  _  _  _  _
_  _  _  _  _  _  !1 _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  .1 !1 _  +2 _  _  $3 _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  !1 _  _  _  _
_  _  _  _  _  !1 _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  $2 _  _  !1 _  _  _  _  _
_  _  _  _  _  _  _  _  !1 !1 _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
""", 15, 3, "DDDD", "NUDGE down at once to orbit; after one lap brake at the top and fall through the ring of hazards.", """
1 down
294 right
"""),
    L("""
_  _  !1 _  !1 _  _  _  _  _  _  _  _  _  _  _  _  _
_  -0 _  _  _  _  _  _  _  _  _  _  _  _  _  _  -0 _
_  _  _  _  !1 $2 _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  !1 _  _  _  _  _  !1 !1 _  _  _  _  _
_  _  !1 _  _  _  !1 _  _  _  $3 _  _  *2 _  _  _  _
_  !1 .0 !1 _  _  _  _  <1 _  _  _  _  !1 _  _  _  _
_  _  _  !1 _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  !1 _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  $2 !1 _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  !1 _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  -0 _  _  _  _  _  _  _  _  _  _  _  _  _  _  -0 _
_  _  !1 _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
""", 10, 4, "WDWD", "Fall through the wrap, stall against the spinner, then FLIP it to be carried out to the exit.", """
32 down
77 up
113 flip
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  !1 _  _  !1 _  _  !1 !1 _  _  _  _  _  _  _  _
_  !1 .1 _  _  _  _  _  _  _  _  _  _  _  >1 _  _  _
_  _  _  _  _  _  _  _  _  _  _  $2 _  !1 !1 _  _  _
!2 !3 _  _  _  _  _  _  _  _  _  !1 _  _  _  _  !1 _
_  _  _  _  _  _  _  _  -1 _  _  _  _  _  _  _  _  _
*2 _  _  _  _  !1 _  _  _  _  _  !1 _  _  _  _  _  _
_  _  _  _  _  _  $2 _  _  _  _  _  _  _  _  _  _  !1
_  _  _  +1 _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
""", 9, 3, "DWBW", "FLIP early, then two NUDGEs right: the spinner and the wrap bring the ball home from the left.", """
5 flip
42 right
98 right
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _  !1 $2 !1 _  _  _
_  !1 !1 !1 !1 !1 _  _  _  _  _  _  !1 _  !1 _  _  _
!1 .0 _  _  _  _  !1 _  _  _  _  _  _  _  _  _  _  _
_  !1 !1 !1 !1 _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  !1 $2 _  !1 _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  !1 _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  *2 _  _  $2 _  _  _  _  !1 _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  !1 _  _  !1 _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  !1 _  _  !1 _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  !1 _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  !1 _  !1 _  _  _
""", 10, 3, "WBWD", "Crossroads: five NUDGEs thread the tunnel, the wrap and the diagonal back across your own path.", """
1 right
25 down
91 left
115 left
153 up
"""),
    L("""
_  _  _  _  _  _  _  _  !1 _  _  _  _  $2 _  _  _  _
_  _  _  _  _  _  _  !1 _  _  $2 _  _  !1 _  _  !1 _
_  _  _  _  _  !1 _  _  _  _  _  !1 _  _  _  !1 _  !1
!1 _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  !1 _
_  !1 _  _  _  _  !1 _  _  _  _  _  !1 _  _  _  _  !1
_  _  _  _  _  _  _  _  _  _  _  !1 _  _  _  _  _  !1
_  _  _  _  _  _  *2 _  _  _  _  _  _  !1 _  _  !1 _
_  _  _  _  _  !1 _  !1 _  _  _  _  !1 _  _  _  $2 _
_  .0 _  _  !1 _  _  _  _  _  _  _  _  _  !1 _  !1 _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  !1 _  _
""", 10, 3, "BWBW", "Pinball loop: up, two lefts for a shallow climb, then right and down to turn back onto the exit.", """
1 up
24 left
50 left
109 right
134 down
"""),
])


def write(keys):
    for key in keys:
        name, desc, lives, levels, required = CAMPAIGNS[key]
        path = os.path.join(REPO, "campaigns", "quib_%s.qbf" % key)
        campaign(path, name, desc, lives, [lv.text for lv in levels], required)
        for slot, lv in enumerate(levels, 1):
            sol = os.path.join(REPO, "tests", "solutions", "quib_%s.qbf.%d.txt" % (key, slot))
            with open(sol, "w") as out:
                out.write("# %s\n%s\n" % (lv.idea, lv.solution))


def replay(path, slot, inputs=None):
    args = [REPLAY, path, str(slot)] + ([inputs] if inputs else [])
    return subprocess.run(args, capture_output=True, text=True).stdout.strip()


def check(keys):
    bad = 0
    for key in keys:
        path = os.path.join(REPO, "campaigns", "quib_%s.qbf" % key)
        for slot in range(1, len(CAMPAIGNS[key][3]) + 1):
            sol = os.path.join(REPO, "tests", "solutions", "quib_%s.qbf.%d.txt" % (key, slot))
            won = replay(path, slot, sol)
            idle = replay(path, slot)
            ok = won.startswith("Exited ") and not idle.startswith("Exited ")
            bad += not ok
            print("%-13s %d %s | %s\n                | idle: %s" % (key, slot, "ok " if ok else "BAD", won, idle))
    return bad


if __name__ == "__main__":
    args = sys.argv[1:]
    actions = [a for a in args if a in ("write", "check")] or ["write", "check"]
    keys = [a for a in args if a in CAMPAIGNS] or list(CAMPAIGNS)
    if "write" in actions:
        write(keys)
    if "check" in actions:
        sys.exit(1 if check(keys) else 0)
