#!/usr/bin/env python3
"""Lays out a level around a chosen route: the board's fixed pieces and the
script come first, the ball's path is traced, then the exit goes where the
ball is at a chosen frame, coins on the path, and hazards in cells the path
passes at a chosen distance. Several hazard layouts are tried; the ones
whose script keeps the widest timing window are printed.

    python3 scripts/levels/pathfirst.py PLAN.py

PLAN.py defines: ROWS (the board without exit, "_" empty), WALLS, LIMIT,
SCRIPT (input lines), EXIT_FRAME, EXIT (token, e.g. "*2"), COIN_FRAMES
(frames whose cells get a coin), COIN ("$1"), HAZARDS (how many), HAZARD
("!1"), BAND (least and most clearance in pixels), TRIES, and optionally
KEEP (cells "x,y" that must hold a hazard) and PLACEHOLDER ("x,y", where
a stand-in exit sits while the route is traced).
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


def run(args):
    return subprocess.run([LAB] + args, capture_output=True, text=True).stdout


def trace(rows, walls, limit, script):
    fd, camp = tempfile.mkstemp(suffix=".qbf")
    os.close(fd)
    campaign(camp, "Route", "route", 3, [level("\n".join(" ".join(r) for r in rows), limit, 0, walls)])
    fd, inp = tempfile.mkstemp(suffix=".txt")
    with os.fdopen(fd, "w") as f:
        f.write(script)
    out = run(["trace", camp, "1", inp, "log"])
    os.unlink(camp)
    os.unlink(inp)
    pts = {}
    for line in out.splitlines():
        p = line.split()
        if len(p) == 3 and p[0].isdigit():
            pts[int(p[0])] = (float(p[1]), float(p[2]))
    return out.splitlines()[0], pts


def evaluate(rows, walls, limit, script):
    fd, camp = tempfile.mkstemp(suffix=".qbf")
    os.close(fd)
    campaign(camp, "Route", "route", 3, [level("\n".join(" ".join(r) for r in rows), limit, 0, walls)])
    fd, inp = tempfile.mkstemp(suffix=".txt")
    with os.fdopen(fd, "w") as f:
        f.write(script)
    out = run(["trace", camp, "1", inp])
    os.unlink(camp)
    os.unlink(inp)
    first = out.splitlines()[0]
    if not first.startswith("Exited"):
        return first, -1
    win = 99
    for line in out.splitlines():
        if "press" in line and ".." in line:
            e, l = line.split(":")[1].strip().split("..")
            win = min(win, int(l) - int(e) + 1)
    return first, win


def main():
    plan = {}
    exec(open(sys.argv[1]).read(), plan)
    rows = [r.split() for r in plan["ROWS"].strip("\n").splitlines()]
    w, h = len(rows[0]), len(rows)
    walls, limit, script = plan["WALLS"], plan["LIMIT"], plan["SCRIPT"]
    # The trace needs an exit somewhere; a placeholder stands where the
    # plan says (default the last cell) and is removed afterwards.
    px, py = (int(v) for v in plan.get("PLACEHOLDER", "%d,%d" % (w - 1, h - 1)).split(","))
    rows[py][px] = "*0"
    head, pts = trace(rows, walls, limit, script)
    rows[py][px] = "_"
    print(head)
    # The exit goes on the cell whose centre the path passes nearest around
    # the chosen frame; the route is only laid out up to that frame.
    best = None
    for g in range(plan["EXIT_FRAME"] - 4, plan["EXIT_FRAME"] + 5):
        if g in pts:
            x, y = pts[g]
            cx, cy = int(x) // 25, int(y) // 25
            d = ((x - 25 * cx - 12) ** 2 + (y - 25 * cy - 12) ** 2) ** 0.5
            if rows[cy][cx] == "_" and (best is None or d < best[0]):
                best = (d, cx, cy, g)
    _, cx, cy, frame = best
    rows[cy][cx] = plan["EXIT"]
    for f in plan.get("COIN_FRAMES", []):
        # Of the frames around f, the one passing nearest a cell centre.
        best = None
        for g in range(f - 4, f + 5):
            if g not in pts:
                continue
            x, y = pts[g]
            cx, cy = int(x) // 25, int(y) // 25
            d = ((x - 25 * cx - 12) ** 2 + (y - 25 * cy - 12) ** 2) ** 0.5
            if rows[cy][cx] == "_" and (best is None or d < best[0]):
                best = (d, cx, cy)
        if best:
            rows[best[2]][best[1]] = plan.get("COIN", "$1")
    dense = []
    keys = sorted(k for k in pts if k <= frame)
    for a, b in zip(keys, keys[1:]):
        (x1, y1), (x2, y2) = pts[a], pts[b]
        if abs(x2 - x1) > 100 or abs(y2 - y1) > 100:
            continue
        for k in range(8):
            dense.append((x1 + (x2 - x1) * k / 8, y1 + (y2 - y1) * k / 8))
    lo, hi = plan["BAND"]
    band = []
    for y in range(h):
        for x in range(w):
            if rows[y][x] != "_":
                continue
            d = min(((px - 25 * x - 12) ** 2 + (py - 25 * y - 12) ** 2) ** 0.5 for px, py in dense)
            if lo <= d <= hi:
                band.append((x, y))
    keep = [tuple(int(v) for v in c.split(",")) for c in plan.get("KEEP", [])]
    rng = random.Random(plan.get("SEED", 1))
    results = []
    for _ in range(plan.get("TRIES", 20)):
        trial = [r[:] for r in rows]
        for x, y in keep + rng.sample(band, min(plan["HAZARDS"], len(band))):
            trial[y][x] = plan.get("HAZARD", "!1")
        first, win = evaluate(trial, walls, limit, script)
        results.append((win, first, trial))
    results.sort(key=lambda r: -r[0])
    for win, first, trial in results[:3]:
        print("window=%d %s" % (win, first))
        print("\n".join(" ".join("%-2s" % t for t in r) for r in trial))
        print()


if __name__ == "__main__":
    main()
