"""The INTERMEDIATE campaign: every level drawn as text with its idea and winning script."""
from levelkit import L, define


# ---------------------------------------------------------------- INTERMEDIATE
define("intermediate", "INTERMEDIATE", "Routes to read: swing, jet, lane, orbit, current, switch, wrap.", 3, [
    L("""
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  .1 $1 _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  -1 _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  +2 _  _  _  _  _  _
!3 !3 !3 !3 !3 _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  $1 _  _  _  _  _  _  _  _  -1 _
_  *2 _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
""", 9, 4, "BBBB", 'Swing round the attractor and come back under the fence.', """
15 left
132 flip
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  $1 _  *2 _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  .1 _  _  _  _  _  _  _
_  _  _  _  _  _  _  $1 _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  >0 _  _  _  <0 _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  !2 _  _  _  _  _  _  _  _  _  !2 _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _
""", 10, 5, "BBDB", 'Twin spinners blow a jet down: FLIP it to blow you back up.', """
40 flip
126 right
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  -0 _  _  -0 _  _  -0 _  _  -2 _  _  -0 _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
.3 _  $1 _  _  _  _  $1 _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  -0 _  _  -0 _  _  -0 _  _  _  _  _  -0 _  _
_  _  _  _  _  _  !2 _  _  _  _  _  _  _  !2 _
_  _  _  _  _  _  !2 _  _  _  *3 _  _  _  !2 _
""", 13, 6, "DBBB", 'Repellers hold you in the lane: ride it, drop out at the gap.', """
71 right
146 left
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  -1 _  -2 _  -1 _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  .1 _  _  _  _  $1 _  _  $1 _  _  _  _  _  _  *2 _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  -1 _  -2 _  -1 _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
""", 10, 5, "BDBB", "The repellers' pass is steep: build up speed to get over.", """
10 right
37 right
64 right
149 right
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  +3 _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  $1 $1 .1 _  _  _  _  _  _  _  *3 _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  +3 _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
""", 10, 5, "BDBD", 'Two attractors make a pendulum: NUDGE in time to swing higher.', """
12 right
68 right
166 right
"""),
    L("""
_  _  _  _  _  _  _  _  _  $1 _  _  _  _  _  _
$1 _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  *3 _  _
_  .1 _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  +3 _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  !2 _  _  _  _  _  !2 _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
""", 11, 5, "BBBB", 'The attractor draws you in: FLIP it and ride over to the exit.', """
26 flip
74 right
138 left
"""),
    L("""
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  $1 _  _  _  _  _  _  _  _  _  _  _  _  _
_  .2 _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  >1 _  _  _  >1 _  $1 _  >1 _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  _
!2 !2 !2 !2 !2 !2 !2 !2 !2 !2 !2 !2 _  _  _  _
_  _  _  _  _  _  _  _  _  _  _  _  _  _  _  *2
""", 6, 3, "BBBB", 'Spinners run a belt, east on top and west below: step off.', """
60 down
71 flip
"""),
])
