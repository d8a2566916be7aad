#!/usr/bin/env python3
"""The five difficulty campaigns, drawn as text, with the winning input
script of every level. Each campaign lives in a module of its own,
levels_<name>.py. Running this script writes campaigns/quib_*.qbf and
campaigns/quib_*.qbf.N.txt; `check` replays every level with
build-levels/quib-replay, with its solution and with no input at all.

    python3 scripts/levels/campaigns.py [write] [check] [NAME...]
"""
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from qbf import campaign  # noqa: E402
from levelkit import CAMPAIGNS  # noqa: E402
import levels_beginner  # noqa: E402,F401
import levels_easy  # noqa: E402,F401
import levels_intermediate  # noqa: E402,F401
import levels_hard  # noqa: E402,F401
import levels_master  # noqa: E402,F401

REPO = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
REPLAY = os.environ.get("QUIB_REPLAY", os.path.join(REPO, "build-levels", "quib-replay"))


def write(keys):
    for key in keys:
        name, desc, lives, levels, required = CAMPAIGNS[key]
        path = os.path.join(REPO, "campaigns", "quib_%s.qbf" % key)
        campaign(path, name, desc, lives, [lv.text for lv in levels], required)
        for slot, lv in enumerate(levels, 1):
            sol = os.path.join(REPO, "campaigns", "quib_%s.qbf.%d.txt" % (key, slot))
            with open(sol, "w") as out:
                out.write("# %s\n%s\n" % (lv.idea, lv.solution))


def replay(path, slot, inputs=None):
    args = [REPLAY, path, str(slot)] + ([inputs] if inputs else [])
    return subprocess.run(args, capture_output=True, text=True).stdout.strip()


def check(keys):
    bad = 0
    for key in keys:
        path = os.path.join(REPO, "campaigns", "quib_%s.qbf" % key)
        for slot in range(1, len(CAMPAIGNS[key][3]) + 1):
            sol = os.path.join(REPO, "campaigns", "quib_%s.qbf.%d.txt" % (key, slot))
            won = replay(path, slot, sol)
            idle = replay(path, slot)
            ok = won.startswith("Exited ") and not idle.startswith("Exited ")
            bad += not ok
            print("%-13s %d %s | %s\n                | idle: %s" % (key, slot, "ok " if ok else "BAD", won, idle))
    return bad


if __name__ == "__main__":
    args = sys.argv[1:]
    actions = [a for a in args if a in ("write", "check")] or ["write", "check"]
    keys = [a for a in args if a in CAMPAIGNS] or list(CAMPAIGNS)
    if "write" in actions:
        write(keys)
    if "check" in actions:
        sys.exit(1 if check(keys) else 0)
