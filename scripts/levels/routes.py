#!/usr/bin/env python3
"""Looks for routes worth building a level around: plays random short
scripts on a board of fixed pieces, puts the exit where the ball is at a
random later frame, and keeps the scripts whose timing window (every press
moved alone, the others held) is widest.

    python3 scripts/levels/routes.py PLAN.py

PLAN.py defines ROWS, WALLS, LIMIT as for pathfirst.py, and KEYS (list of
key words), PRESSES (least, most), FRAMES (first, last frame of a press),
EXIT_AFTER (least, most frames from the last press to the exit), EXIT,
TRIES, and optionally PLACEHOLDER and MIN_DIST (least distance in cells
between the start and the exit).
"""
import os
import random
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pathfirst import trace, evaluate  # noqa: E402


def main():
    plan = {}
    exec(open(sys.argv[1]).read(), plan)
    base = [r.split() for r in plan["ROWS"].strip("\n").splitlines()]
    w, h = len(base[0]), len(base)
    px, py = (int(v) for v in plan.get("PLACEHOLDER", "%d,%d" % (w - 1, h - 1)).split(","))
    rng = random.Random(plan.get("SEED", 1))
    found = []
    for _ in range(plan["TRIES"]):
        n = rng.randint(*plan["PRESSES"])
        frames = sorted(rng.sample(range(plan["FRAMES"][0], plan["FRAMES"][1] + 1), n))
        if any(b - a < 24 for a, b in zip(frames, frames[1:])):
            continue
        script = "".join("%d %s\n" % (f, rng.choice(plan["KEYS"])) for f in frames)
        rows = [r[:] for r in base]
        rows[py][px] = "*0"
        _, pts = trace(rows, plan["WALLS"], plan["LIMIT"], script)
        rows[py][px] = "_"
        last = max(pts) if pts else 0
        lo = frames[-1] + plan["EXIT_AFTER"][0]
        hi = min(last - 1, frames[-1] + plan["EXIT_AFTER"][1])
        if hi <= lo:
            continue
        f = rng.randint(lo, hi)
        x, y = pts[f]
        cx, cy = int(x) // 25, int(y) // 25
        if rows[cy][cx] != "_":
            continue
        sx, sy = next((x, y) for y in range(h) for x in range(w) if rows[y][x][0] == ".")
        if max(abs(cx - sx), abs(cy - sy)) < plan.get("MIN_DIST", 0):
            continue
        rows[cy][cx] = plan["EXIT"]
        first, win = evaluate(rows, plan["WALLS"], plan["LIMIT"], script)
        if win > 0:
            found.append((win, script.replace("\n", "; "), (cx, cy), first))
    found.sort(key=lambda r: -r[0])
    for r in found[:10]:
        print(r)


if __name__ == "__main__":
    main()
