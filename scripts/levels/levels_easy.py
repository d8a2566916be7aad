"""The EASY campaign: every level drawn as text with its idea and winning script."""
from levelkit import L, define


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
