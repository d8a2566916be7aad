"""The INTERMEDIATE campaign: every level drawn as text with its idea and winning script."""
from levelkit import L, define


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
