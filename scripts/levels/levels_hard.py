"""The HARD campaign: every level drawn as text with its idea and winning script."""
from levelkit import L, define


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
