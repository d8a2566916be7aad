"""The HARD campaign: every level drawn as text with its idea and winning script."""
from levelkit import L, define


# ---------------------------------------------------------------- HARD
define("hard", "HARD", "Long routes through several fields: orbit, bounce, FLIP, wrap.", 3, [
    # h02_f
    L("""
_  _  _  _  _  _  _  _  !1 _  *3 _  _  _  _  _  _  _
_  _  _  _  -1 _  !1 _  _  $2 *3 _  _  _  <1 _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  !1 !1 _  _  _  $2 !1 _  _  _  _  _  _  _  _  _  _
_  .1 _  _  _  _  !1 _  _  +3 _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  -0 _  _  _  _  _  _  _  _  _  >1 _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
""", 8, 4, "DBDB", "Bounce off the west wall and let the heavy attractor swing you up.", """
9 left
39 left
66 left
91 up
119 up
"""),
    # h03_f
    L("""
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  *3 _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  *3 _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  *3 -2 _  _  _  _  _  -2 _  _  _  _  _
_  _  _  _  _  _  !1 _  !1 _  _  _  _  _  _  _  _  _
_  .1 _  _  _  $2 _  $2 _  +1 _  _  _  _  _  _  _  _
_  !1 _  _  _  _  !1 !1 _  !1 _  _  _  _  _  _  _  _
_  _  _  _  _  _  -2 _  _  _  _  _  -2 _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
""", 7, 3, "DDDD", "Four repellers hold a corridor open; FLIP the well to stop short.", """
7 right
22 flip
37 right
66 right
93 up
"""),
    # h08_f
    L("""
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  .1 _  _  _  _  _  _  _  _  _  _  _  _  _  _  +0 _
_  _  !1 _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  $2 _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
!1 _  _  _  !1 >2 _  _  _  _  _  _  <2 _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  !1 _  _  _  _  _  _  _  _  _  _
_  _  $2 !1 _  _  *3 _  _  _  _  _  _  _  _  _  _  _
_  _  !1 _  _  _  *3 _  -1 _  _  _  _  _  _  _  _  _
""", 8, 4, "DDDD", "Drop down the west side and ride the clockwise current to the gate.", """
9 down
34 down
60 up
83 flip
93 right
"""),
    # h01_f
    L("""
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  >0 _  _  _  _  _  _  _  _  _  <0 _  _  _
_  *3 *3 *3 _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  +3 _  _  _  _  _  _  _  _
_  _  _  _  $2 !1 _  _  _  _  _  _  _  _  _  _
_  _  !1 _  _  _  !1 _  _  _  _  _  _  _  _  _
_  _  -0 _  _  $2 _  !1 _  _  _  _  -0 _  _  _
_  _  _  _  !1 _  _  .1 !1 _  _  _  _  _  _  _
""", 6, 3, "DDDD", "Skim under the heavy attractor; two FLIPs kick you up to the gate.", """
5 left
32 down
46 flip
65 flip
71 up
"""),
    # h06_f
    L("""
_  _  _  _  !1 _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  -0 _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  !1 _  _  _  _  _  _  _  _
_  _  !1 *1 +2 _  !1 _  $2 _  _  _  +2 _  _  _  _
_  _  _  _  _  _  _  _  _  !1 _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  $2 _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  <0 _  _  _  _  _  _  .1 _  _  _  _  _  _  >0 _
_  _  _  _  _  _  _  _  _  !1 _  _  _  _  _  _  _
""", 8, 4, "DDDD", "Twin attractors: orbit the left one and land on its doorstep.", """
9 flip
34 flip
39 up
66 left
91 right
"""),
    # h04_f
    L("""
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  <1 _  _  _  _  _  _  _  _  _  -1 _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  >2 _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  *1 _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  !1 _  _  _  !1 <1 _  _
_  _  .1 $2 _  _  _  _  $2 _  _  _  _  _  _  _
_  !1 _  _  !1 _  _  !1 _  _  _  !1 _  _  _  _
""", 9, 4, "DDDD", "The big spinner drives a current; FLIP it to turn back home.", """
10 right
20 flip
47 left
58 flip
83 flip
"""),
])
