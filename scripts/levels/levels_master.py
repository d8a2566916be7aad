"""The MASTER campaign, its levels drawn in two modules (levels_master_a.py
and levels_master_b.py) so that two people can work on them at once."""
from levelkit import define
from levels_master_a import LEVELS as FIRST
from levels_master_b import LEVELS as SECOND

define("master", "MASTER", "Every piece and every edge: long routes to read, then fly.", 2, FIRST + SECOND)
