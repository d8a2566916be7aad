#!/usr/bin/env python3
"""Prints, for every cell of a level, how close the ball passes to the
cell's centre when the level is played with a given script: a map for
placing hazards just off a winning path, and coins on it.

    python3 scripts/levels/clearance.py CAMPAIGN SLOT INPUTS [UNTIL_FRAME]

Each cell shows the least distance in pixels (capped at 99), sampled at
every frame; "--" marks cells the path never comes near.
"""
import os
import subprocess
import sys

REPO = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
LAB = os.path.join(REPO, "build-levels", "lab")


def main():
    path, slot, inputs = sys.argv[1], sys.argv[2], sys.argv[3]
    until = int(sys.argv[4]) if len(sys.argv) > 4 else 10 ** 9
    out = subprocess.run([LAB, "trace", path, slot, inputs, "log"], capture_output=True, text=True).stdout
    lines = out.splitlines()
    print(lines[0])
    grid = [l for l in lines if l.startswith(("  |", "B |", "D |", "W |"))]
    w = (len(grid[0].split("|")[1])) // 3
    h = len(grid)
    pts = []
    for l in lines:
        parts = l.split()
        if len(parts) == 3 and parts[0].isdigit():
            f, x, y = int(parts[0]), float(parts[1]), float(parts[2])
            if f <= until:
                pts.append((x, y))
    # Interpolate between frames so fast moves are not missed.
    dense = []
    for (x1, y1), (x2, y2) in zip(pts, pts[1:]):
        if abs(x2 - x1) > 100 or abs(y2 - y1) > 100:  # a wrap
            continue
        for k in range(8):
            dense.append((x1 + (x2 - x1) * k / 8, y1 + (y2 - y1) * k / 8))
    for y in range(h):
        row = []
        for x in range(w):
            cx, cy = 25 * x + 12, 25 * y + 12
            d = min((((px - cx) ** 2 + (py - cy) ** 2) ** 0.5 for px, py in dense), default=999)
            row.append("--" if d > 99 else "%2d" % d)
        print("%2d  %s" % (y, " ".join(row)))


if __name__ == "__main__":
    main()
