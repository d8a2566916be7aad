"""The BEGINNER campaign: every level drawn as text with its idea and winning script."""
from levelkit import L, define


# ---------------------------------------------------------------- BEGINNER
define("beginner", "BEGINNER", "First steps: one idea a level, from NUDGE to FLIP.", 5, [
    L("""
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  .1 _  _  _  _  _  _  _  _  *2 _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
""", 17, 12, "BBBB", "One NUDGE right and the ball drifts all the way to the exit.", """
20 right
"""),
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
""", 15, 11, "BBBB", "The exit ring can lie any way: NUDGE down to reach it.", """
20 down
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
$3 $2 .1 _  _  _  _  _  _  *2 _
_  _  _  _  _  _  _  _  _  _  _
""", 16, 10, "BBBB", "NUDGE left for the coins; the edge bounces you back to the exit.", """
20 left
"""),
    L("""
_  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _
_  .1 _  _  _  _  _  _  *3 _
_  _  _  _  _  _  _  _  _  _
""", 15, 10, "BBDB", "The red edge below is deadly: NUDGE right along it, never down.", """
20 right
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _
$1 .1 _  _  _  _  _  _  _  _  _  *3 _  $1
_  _  _  _  _  _  _  _  _  _  _  _  _  _
""", 15, 11, "DWDW", "The side edges wrap: NUDGE left, out one side, in by the exit.", """
20 left
"""),
    L("""
_  _  _  _  _  _  _  _
_  _  _  $1 _  _  _  _
_  _  _  $0 _  _  _  _
_  _  _  .1 _  _  _  _
_  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _
_  _  _  *3 _  _  _  _
_  _  _  $0 _  _  _  _
""", 15, 11, "WDWD", "Top and bottom wrap: NUDGE up for the coins, round to the exit.", """
20 up
"""),
    L("""
_  _  _  _  *3 _  _  _  _
_  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _
+2 _  _  _  .1 _  _  _  +2
_  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _
""", 16, 12, "BBBB", "Two attractors hold the ball: NUDGE straight up, never sideways.", """
20 up
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  +2 _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  *3 _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  .1 _
""", 16, 12, "BBBB", "NUDGE left: the attractor lifts you off the floor to the exit.", """
21 left
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _
_  _  _  *3 _  _  _  _  _  _  _
_  _  _  *3 _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  .1 _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  -2 _  _  _  _  _
""", 16, 11, "BBBB", "NUDGE left: the repeller below arcs you up and over to the exit.", """
18 left
"""),
    L("""
_  _  _  -2 _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  .1 _  $2 _  $2 _  $3 _  *3 _
_  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  -2 _  _  _  _  _  _  _  _  _
""", 16, 12, "BBBD", "Repellers above and below hold you in the lane: NUDGE right.", """
20 right
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  *3 _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  .1 _  _  _  >2 _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
""", 17, 12, "BBBB", "NUDGE right: the clockwise spinner carries you up to the exit.", """
20 right
"""),
    L("""
_  _  _  _  _  _  _  _  _  _
_  *3 _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _
_  _  _  _  <2 _  _  _  _  _
_  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  .1 _
_  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _
""", 9, 4, "BBBB", "NUDGE right: the anticlockwise spinner swings you up and round.", """
20 right
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  !1 _  _  _  _  _
_  _  _  _  _  _  !1 _  _  _  _  _
_  .1 _  _  _  _  _  _  _  _  *3 _
_  _  _  _  _  _  !1 _  _  _  _  _
_  _  _  _  _  _  !1 _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
""", 17, 12, "BBBB", "Hazards kill at a touch: NUDGE right through the gap between.", """
20 right
"""),
    L("""
_  _  _  _  _  !2 _  _  _  _  _  _
_  _  _  _  _  !2 _  _  _  _  _  _
_  _  *3 _  _  !2 _  _  .1 _  _  _
_  _  _  _  _  !2 _  _  _  _  _  _
_  _  _  _  _  !2 _  _  _  _  _  _
""", 16, 12, "BWBW", "Hazards bar the way: NUDGE right, out the wrapping edge and in.", """
20 right
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  !1 !1 !1 _  !1 !1 !1 _  _  _
_  .1 _  _  $2 _  _  _  $3 _  _  *3 _
_  _  _  !1 !1 !1 _  !1 !1 !1 _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _
""", 16, 11, "BBBB", "Coins lie between hazards: NUDGE right down the middle row.", """
20 right
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  >2 _  _  _  _  _
_  .1 _  _  _  _  _  _  _  *3 _
_  _  _  _  _  !1 _  _  _  _  _
_  _  _  _  _  !1 _  _  _  _  _
""", 17, 12, "BBBB", "NUDGE right: the clockwise spinner lifts you over the hazards.", """
20 right
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  <2 _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  .1 _  _  _  _  _  _  _
_  *3 _  _  _  _  _  _  $2 _  $2 _
""", 8, 4, "BWBW", "Anticlockwise spinner above: drift right, out the wrapping edge.", """
20 right
"""),
    L("""
_  _  _  .1 _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  *3 _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  >2 _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
""", 16, 11, "BDBB", "Drop onto the clockwise spinner: it flings you round to the exit", """
23 down
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  .1 _  _  _  _  *2 _  -2 _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
""", 17, 10, "BBBB", "The repeller guards the exit: FLIP it to an attractor to get in.", """
20 flip
"""),
    L("""
+2 _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  .1 _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  *3 _
_  _  _  _  _  _  _  _  _  _  _  _
""", 19, 10, "BBBB", "The attractor pulls you in: FLIP it; a repeller shoots you out.", """
20 flip
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  *3 _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  >2 _  _  _  _  _  <2 _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  .1 _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
""", 17, 10, "BBBB", "The spinners pin you to the floor: FLIP them to carry you up.", """
20 flip
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
+2 _  _  _  _  _  _  _  _  .1 _  *2 _  _  _  _  -2
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
""", 17, 10, "BBBB", "Attractor behind, repeller ahead: FLIP swaps them and you go on.", """
40 flip
"""),
    L("""
_  _  _  _  _  _  _  _  _
_  _  _  _  *3 _  _  _  _
_  _  _  !1 !1 !1 _  _  _
_  _  _  _  _  _  _  _  _
_  -1 _  _  .1 _  _  -1 _
_  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _
""", 16, 12, "WDWD", "Hazards bar the way up: NUDGE down, out the bottom and round.", """
20 down
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  -1 _  .1 _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  *3
_  _  _  _  _  _  _  +2 _  _  _  *3
""", 17, 12, "BBBB", "Pass the attractor, then NUDGE down: it curls you into the exit.", """
44 down
"""),
    L("""
_  _  _  _  -2 _  _  _  _
_  _  _  _  *2 _  _  _  _
_  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _
-2 _  _  _  .1 _  _  _  -2
_  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _
_  _  _  _  -2 _  _  _  _
""", 17, 13, "BBBB", "Four repellers hold you: FLIP them, NUDGE up, the top one pulls.", """
20 flip
40 up
"""),
])
