#!/usr/bin/env python3
"""Re-times a level's winning script for a human player: no press before
frame 15, presses at least 10 frames apart (a NUDGE at least 24 after the
last NUDGE, which needs 20 to cool down), and every press as far inside its
timing window as the level allows. Starts from the script shifted later as
a whole, then moves one press at a time while the tightest margin grows.

    python3 scripts/levels/retime.py CAMPAIGN SLOT SCRIPT

Prints the best script and its margin; the file is not changed.
"""
import os
import re
import subprocess
import sys
import tempfile

REPO = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
LAB = os.path.join(REPO, "build-levels", "lab")
REPLAY = os.path.join(REPO, "build-levels", "quib-replay")
FIRST, GAP, NUDGE_GAP = 15, 10, 24


def score(camp, slot, presses):
    """(won, coins taken, every press needed, tightest margin, sum of
    margins) of a script."""
    if not fits(presses):
        return (0, 0, 0, -1, -1)
    fd, path = tempfile.mkstemp(suffix=".txt")
    with os.fdopen(fd, "w") as f:
        f.write("".join("%d %s\n" % p for p in presses))
    out = subprocess.run([LAB, "trace", camp, str(slot), path], capture_output=True, text=True).stdout
    os.unlink(path)
    if not out.startswith("Exited"):
        return (0, 0, 0, -1, -1)
    m = [min(int(a), int(b)) for a, b in re.findall(r"press \d+ at \d+: -(\d+)\.\.\+(\d+)", out)]
    return (1, int(re.search(r"taken=(\d+)", out).group(1)), needed(camp, slot, presses), min(m), sum(m))


def needed(camp, slot, presses):
    """1 when the level cannot be won with any one press left out."""
    for i in range(len(presses)):
        fd, path = tempfile.mkstemp(suffix=".txt")
        with os.fdopen(fd, "w") as f:
            f.write("".join("%d %s\n" % p for p in presses[:i] + presses[i + 1:]))
        out = subprocess.run([REPLAY, camp, str(slot), path], capture_output=True, text=True).stdout
        os.unlink(path)
        if out.startswith("Exited"):
            return 0
    return 1


def fits(presses):
    if presses[0][0] < FIRST:
        return False
    last_nudge = -99
    for i, (f, k) in enumerate(presses):
        if i and f - presses[i - 1][0] < GAP:
            return False
        if k != "flip":
            if f - last_nudge < NUDGE_GAP:
                return False
            last_nudge = f
    return True


def retime(camp, slot, presses):
    best = (score(camp, slot, presses), presses)
    for k in range(0, 16):
        trial = [(f + k, key) for f, key in presses]
        # Spread presses that came too close, later ones pushed on.
        for i in range(1, len(trial)):
            f, key = trial[i]
            need = trial[i - 1][0] + GAP
            if key != "flip":
                nudges = [g for g, kk in trial[:i] if kk != "flip"]
                if nudges:
                    need = max(need, nudges[-1] + NUDGE_GAP)
            trial[i] = (max(f, need), key)
        s = score(camp, slot, trial)
        if s > best[0]:
            best = (s, trial)
    improved = True
    while improved:
        improved = False
        for i in range(len(best[1])):
            for d in (-3, -2, -1, 1, 2, 3):
                trial = list(best[1])
                trial[i] = (trial[i][0] + d, trial[i][1])
                s = score(camp, slot, trial)
                if s > best[0]:
                    best, improved = (s, trial), True
    return best


def main():
    camp, slot, script = sys.argv[1], sys.argv[2], sys.argv[3]
    presses = []
    for line in open(script):
        if line.strip() and not line.startswith("#"):
            f, keys = line.split(None, 1)
            presses.append((int(f), keys.strip()))
    (won, taken, need, margin, total), best = retime(camp, slot, presses)
    print("".join("%d %s\n" % p for p in best), end="")
    print("# won %d coins %d every press needed %d margin %d (sum %d)" % (won, taken, need, margin, total),
          file=sys.stderr)


if __name__ == "__main__":
    main()
