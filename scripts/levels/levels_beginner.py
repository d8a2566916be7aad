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
""", 17, 12, "BBBB", "One NUDGE to the right and the ball drifts all the way to the exit.", """
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
""", 16, 10, "BBBB", "Coins are a bonus, big ones most: NUDGE left for them and the edge bounces you back to the exit.", """
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
""", 15, 11, "DWDW", "The side edges wrap: NUDGE left, out one side and in the other, next to the exit.", """
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
""", 15, 11, "WDWD", "Top and bottom wrap too: NUDGE up for the coins and come round from below to the exit.", """
20 up
"""),
    L("""
_  _  _  _  *3 _  _  _  _
_  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _
_  +1 _  _  .1 _  _  +1 _
_  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _
""", 16, 12, "BBBB", "Two attractors pull the ball both ways and hold it: NUDGE straight up, never sideways.", """
20 up
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  +1 _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  *3 _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  .1 _
""", 16, 12, "BBBB", "The attractor pulls the ball off the floor: NUDGE left and let it lift you into the exit.", """
25 left
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _
_  _  _  *3 _  _  _  _  _  _  _
_  _  _  *3 _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  .1 _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  -2 _  _  _  _  _
""", 16, 11, "BBBB", "The repeller below pushes the ball away: NUDGE left and it arcs you up and over to the exit.", """
18 left
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  -1 _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  .1 _  $2 _  $2 _  $3 _  *3 _
_  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  -1 _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _
""", 16, 12, "BBBD", "The repellers above and below keep you in the lane: NUDGE right and they push you along it.", """
20 right
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  *3 _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  .1 _  _  _  >1 _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
""", 17, 12, "BBBB", "The clockwise spinner lifts the ball: NUDGE right and it carries you up and over to the exit.", """
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
""", 9, 4, "BBBB", "The anticlockwise spinner swings the ball up and round to the left: NUDGE right to join its swing.", """
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
""", 17, 12, "BBBB", "Hazards kill at a touch: NUDGE right through the gap in the middle.", """
20 right
"""),
    L("""
_  _  _  _  _  !2 _  _  _  _  _  _
_  _  _  _  _  !2 _  _  _  _  _  _
_  _  *3 _  _  !2 _  _  .1 _  _  _
_  _  _  _  _  !2 _  _  _  _  _  _
_  _  _  _  _  !2 _  _  _  _  _  _
""", 16, 12, "BWBW", "A wall of hazards bars the way: go right, out through the wrapping edge and in from the left.", """
20 right
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  !1 !1 !1 _  !1 !1 !1 _  _  _
_  .1 _  _  $2 _  _  _  $3 _  _  *3 _
_  _  _  !1 !1 !1 _  !1 !1 !1 _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _
""", 16, 11, "BBBB", "Coins lie between the hazards: NUDGE right down the middle and touch neither side.", """
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
""", 17, 12, "BBBB", "Hazards block the low road: NUDGE right and the clockwise spinner carries you over them.", """
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
""", 8, 4, "BWBW", "Under the anticlockwise spinner a current runs right: ride it out of the edge and in by the exit.", """
20 right
"""),
    L("""
_  _  _  .1 _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  *3 _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  >1 _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
""", 16, 11, "BDBB", "Drop onto the clockwise spinner and it flings you round to the exit; the right edge is deadly.", """
25 down
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  .1 _  _  _  _  *2 _  -2 _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
""", 17, 10, "BBBB", "The repeller keeps you off the exit: FLIP makes it an attractor that pulls you straight in.", """
20 flip
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _
_  +1  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  .1  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  *3  _
_  _  _  _  _  _  _  _  _  _  _  _
""", 19, 10, "BBBB", "The attractor is pulling you in: FLIP turns it into a repeller that shoots you to the exit.", """
20 flip
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  *3 _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  >1 _  _  _  <1 _  _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  .1 _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _
""", 17, 10, "BBBB", "The spinners stir a current that pins you to the floor: FLIP reverses it to carry you up.", """
20 flip
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  +1 _  _  _  _  _  _  .1 _  *2 _  _  _  _  -1 _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
""", 17, 10, "BBBB", "The attractor behind pulls and the repeller ahead pushes you back: FLIP swaps them to send you on.", """
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
""", 16, 12, "WDWD", "Hazards bar the way up: NUDGE down, the repellers shove you out the bottom and round to the exit.", """
20 down
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  -1 _  .1 _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  *3 _
_  _  _  _  _  _  _  +1 _  _  *3 _
""", 17, 12, "BBBB", "The repeller sends you off: NUDGE down once you pass the attractor and its pull curls you into the exit.", """
56 down
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
""", 17, 13, "BBBB", "Four repellers hold you still: FLIP them into attractors, then NUDGE up and the top one pulls you in.", """
20 flip
40 up
"""),
])
