#!/usr/bin/env python3
"""Moves the presses of a winning script into the middle of their timing
windows: tries every combination of small shifts and keeps the script whose
tightest press has the most room on both sides (a press on frame 1, held
through the countdown, counts as having room before it).

    python3 scripts/levels/center.py CAMPAIGN SLOT SCRIPT [RANGE]

Prints the best script; the file is not changed.
"""
import itertools
import os
import subprocess
import sys
import tempfile

REPO = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
LAB = os.path.join(REPO, "build-levels", "lab")


def room(camp, slot, presses):
    fd, path = tempfile.mkstemp(suffix=".txt")
    with os.fdopen(fd, "w") as f:
        f.write("".join("%d %s\n" % p for p in presses))
    out = subprocess.run([LAB, "trace", camp, slot, path], capture_output=True, text=True).stdout
    os.unlink(path)
    if not out.startswith("Exited"):
        return -1
    worst = 99
    for line, (frame, _) in zip([l for l in out.splitlines() if l.lstrip().startswith("press ")], presses):
        e, l = line.split(":")[1].strip().split("..")
        early = 10 if frame == 1 else -int(e)
        worst = min(worst, early, int(l))
    return worst


def main():
    camp, slot, script = sys.argv[1], sys.argv[2], sys.argv[3]
    span = int(sys.argv[4]) if len(sys.argv) > 4 else 3
    comment, presses = [], []
    for line in open(script):
        if line.startswith("#"):
            comment.append(line.rstrip("\n"))
        elif line.strip():
            f, keys = line.split(None, 1)
            presses.append((int(f), keys.strip()))
    best = (room(camp, slot, presses), presses)
    for shifts in itertools.product(range(-span, span + 1), repeat=len(presses)):
        trial = [(f + d, k) for (f, k), d in zip(presses, shifts)]
        if any(f < 1 for f, _ in trial) or any(b[0] - a[0] < 21 for a, b in zip(trial, trial[1:])
                                                 if a[1] != "flip" and b[1] != "flip"):
            continue
        r = room(camp, slot, trial)
        if r > best[0]:
            best = (r, trial)
    print("\n".join(comment))
    print("".join("%d %s\n" % p for p in best[1]), end="")
    print("# room %d" % best[0], file=sys.stderr)


if __name__ == "__main__":
    main()
