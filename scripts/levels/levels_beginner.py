"""The BEGINNER campaign: every level drawn as text with its idea and winning script."""
from levelkit import L, define


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
