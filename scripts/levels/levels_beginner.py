"""The BEGINNER campaign: every level drawn as text with its idea and winning script."""
from levelkit import L, define


# ---------------------------------------------------------------- BEGINNER
define("beginner", "BEGINNER", "First steps: one idea a level, from NUDGE to FLIP.", 5, [
    # NUDGE
    L("""
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  .1 _  _  _  _  _  _  _  _  *2 _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
""", 8, 5, "BBBB", "One NUDGE to the right and the ball drifts all the way to the exit.", """
20 right
"""),
    # the exit
    L("""
_  _  _  _  _  _  _
_  _  _  .1 _  _  _
_  _  _  _  _  _  _
_  _  _  _  _  _  _
_  _  _  _  _  _  _
_  _  _  _  _  _  _
_  _  _  _  _  _  _
_  _  _  *3 _  _  _
_  _  _  _  _  _  _
""", 7, 4, "BBBB", "The exit ring can lie any way: NUDGE down to reach it.", """
20 down
"""),
    # coins 0 and 1
    L("""
_  _  _  _  _  _  _  _  _  _  _  _
_  .1 _  $0 _  $1 _  $0 _  $1 _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  *3 _  _  _  _  _  _  _  _  _  _
""", 12, 6, "BBBB", "Coins are a bonus: sweep the row, then NUDGE down on the way back to zigzag to the exit.", """
13 right
69 down
"""),
    # coins 2 and 3, bounce edges
    L("""
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
$3 $2 .1 _  _  _  _  _  _  *2 _
_  _  _  _  _  _  _  _  _  _  _
""", 8, 4, "BBBB", "Bigger coins are worth more: NUDGE left for them and the edge bounces you back to the exit.", """
20 left
"""),
    # deadly edges
    L("""
_  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _
_  .1 _  _  _  _  _  _  *3 _
_  _  _  _  _  _  _  _  _  _
""", 7, 4, "BBDB", "The red edge below is deadly: NUDGE right along it, never down.", """
20 right
"""),
    # wrap edges
    L("""
_  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _
$1 .1 _  _  _  _  _  _  _  _  _  *3 _  $1
_  _  _  _  _  _  _  _  _  _  _  _  _  _
""", 7, 4, "DWDW", "The side edges wrap: NUDGE left, out one side and in the other, next to the exit.", """
20 left
"""),
    # attractor
    L("""
_  _  _  _  *3 _  _  _  _
_  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _
_  +1 _  _  .1 _  _  +1 _
_  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _
""", 8, 4, "BBBB", "Two attractors pull the ball both ways and hold it: NUDGE straight up, never sideways.", """
20 up
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  +1 _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  *3 _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  .1 _
""", 10, 5, "BBBB", "The attractor pulls the ball off the floor: NUDGE left and let it lift you into the exit.", """
42 left
"""),
    # repeller
    L("""
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  *3 _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  .1
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  -2 _  _  _  _  _  _
""", 8, 4, "BBBB", "The repeller pushes: bounce off the right edge and it lifts you up to the exit.", """
20 right
"""),
    # clockwise spinner
    L("""
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  *3 _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  .1 _  _  _  >1 _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
""", 9, 5, "BBBB", "The clockwise spinner lifts the ball: NUDGE right and it carries you up and over to the exit.", """
20 right
"""),
    # FLIP
    L("""
_  _  _  _  _  _  _  _  _  _
_  +1 _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _
_  _  _  _  _  .1 _  _  _  _
_  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  *3 _
_  _  _  _  _  _  _  _  _  _
""", 9, 5, "BBBB", "The attractor is pulling you in: FLIP turns it into a repeller that shoots you to the exit.", """
20 flip
"""),
])
