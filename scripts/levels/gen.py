#!/usr/bin/env python3
"""Random level sketches for a given mix of pieces, each searched for a short
winning script with the workbench (lab); prints the promising ones.

    python3 scripts/levels/gen.py W H WALLS "PIECES" COUNT [search options...]

PIECES lists tokens like "+2 -1 >1 $1 $1 !1"; the start ".1" and an exit
"*2" are added unless given. A sketch is promising when doing nothing does
not win, some script wins, and the best script has a timing window of at
least 6 frames.
"""
import os
import random
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from qbf import level, campaign  # noqa: E402

REPO = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
LAB = os.path.join(REPO, "build-levels", "lab")


def sketch(w, h, pieces, rng):
    grid = [["_"] * w for _ in range(h)]
    tokens = pieces.split()
    if not any(t[0] == "." for t in tokens):
        tokens.append(".1")
    if not any(t[0] == "*" for t in tokens):
        tokens.append("*2")
    for t in tokens:
        while True:
            x, y = rng.randrange(w), rng.randrange(h)
            if grid[y][x] == "_":
                grid[y][x] = t
                break
    return "\n".join(" ".join(r) for r in grid)


def main():
    w, h, walls, pieces, count = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3], sys.argv[4], int(sys.argv[5])
    opts = sys.argv[6:]
    seed = int(os.environ.get("SEED", "1"))
    rng = random.Random(seed)
    rows = [sketch(w, h, pieces, rng) for _ in range(count)]
    fd, path = tempfile.mkstemp(suffix=".qbf")
    os.close(fd)
    campaign(path, "Sketches", "random", 3, [level(r, 30, 0, walls) for r in rows])
    found = []
    for i, r in enumerate(rows, 1):
        out = subprocess.run([LAB, "search", path, str(i), "-q"] + opts, capture_output=True, text=True).stdout.strip()
        if "best=" not in out or out.startswith("idle=Exited"):
            continue
        win = int(out.split("window=")[1].split()[0])
        if win >= 6:
            found.append((win, i, out, r))
    found.sort(reverse=True)
    for win, i, out, r in found[:8]:
        print("#%d %s\n%s\n" % (i, out, r))
    os.unlink(path)


if __name__ == "__main__":
    main()
