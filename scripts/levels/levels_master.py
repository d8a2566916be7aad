"""The MASTER campaign: every level drawn as text with its idea and winning script."""
from levelkit import L, define


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
