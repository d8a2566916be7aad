#!/usr/bin/env python3
"""Checks the human rhythm of a campaign's levels from its route files:
how long a ball left alone survives, the frame of the first press, the
closest two presses, the timing margin of every press, the exit frame and
the idea line's length.

    python3 scripts/levels/rhythm.py CAMPAIGN.qbf [SLOT...]

It runs quib-replay and quib-lab from build/, or the build folder
QUIB_BUILD names.

A line ends in "ok" when the level keeps every rule: no loss before frame
90 with no key, no win with no key, first press at frame 15 or later,
presses at least 10 frames apart, every press movable by MARGIN frames
either way (3 unless QUIB_MARGIN says otherwise), an idea line of at most
64 characters.
"""
import os
import re
import subprocess
import sys

REPO = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
BUILD = os.environ.get("QUIB_BUILD", os.path.join(REPO, "build"))
MARGIN = int(os.environ.get("QUIB_MARGIN", "3"))


def run(*args):
    return subprocess.run(list(args), capture_output=True, text=True).stdout


def presses(route):
    frames, idea = [], ""
    with open(route) as f:
        for line in f:
            line = line.strip()
            if line.startswith("#") and not idea:
                idea = line[1:].strip()
            elif line and not line.startswith("#"):
                frames.append(int(line.split()[0]))
    return frames, idea


def level(path, slot):
    route = "%s.%d.txt" % (path, slot)
    frames, idea = presses(route)
    idle = run(os.path.join(BUILD, "quib-replay"), path, str(slot)).split()
    idle_frame = int(idle[1].split("=")[1])
    trace = run(os.path.join(BUILD, "quib-lab"), "trace", path, str(slot), route)
    won = trace.split()[0] == "Exited"
    exit_frame = int(re.search(r"frames=(\d+)", trace).group(1))
    left = float(re.search(r"time=([\d.]+)", trace).group(1))
    margins = [min(-int(a), int(b)) for a, b in re.findall(r"press \d+ at \d+: (-?\d+)\.\.\+?(-?\d+)", trace)]
    gaps = [b - a for a, b in zip(frames, frames[1:])]
    problems = []
    if idle[0] == "Exited":
        problems.append("idle wins")
    if idle[0] == "Lost" and idle_frame < 90:
        problems.append("idle lost")
    if not won:
        problems.append("route fails")
    if frames and frames[0] < 15:
        problems.append("early")
    if gaps and min(gaps) < 10:
        problems.append("drumming")
    if not margins or min(margins) < MARGIN:
        problems.append("narrow")
    if left < 2.0:
        problems.append("raced")
    if len(idea) > 64:
        problems.append("long idea")
    return {"slot": slot, "idle": "%s@%d" % (idle[0], idle_frame), "first": frames[0] if frames else 0,
            "gap": min(gaps) if gaps else 0, "margin": min(margins) if margins else 0,
            "presses": len(frames), "exit": exit_frame, "left": left, "problems": problems, "idea": idea}


def count_levels(path):
    with open(path) as f:
        return sum(1 for line in f if line.strip() == "start level")


def main():
    path = sys.argv[1]
    slots = [int(a) for a in sys.argv[2:]] or range(1, count_levels(path) + 1)
    rows = [level(path, s) for s in slots]
    for r in rows:
        print("%2d idle %-17s first %3d gap %3d margin %2d presses %d exit %3d left %.1f %s | %s" % (
            r["slot"], r["idle"], r["first"], r["gap"], r["margin"], r["presses"], r["exit"], r["left"],
            ",".join(r["problems"]) or "ok", r["idea"]))
    if len(rows) > 1:
        med = lambda k: sorted(r[k] for r in rows)[len(rows) // 2] if len(rows) % 2 else \
            (sorted(r[k] for r in rows)[len(rows) // 2 - 1] + sorted(r[k] for r in rows)[len(rows) // 2]) / 2
        print("medians: presses %s exit %s margin %s first %s gap %s; levels with a fault %d" % (
            med("presses"), med("exit"), med("margin"), med("first"), med("gap"),
            sum(1 for r in rows if r["problems"])))
    return 1 if any(r["problems"] for r in rows) else 0


if __name__ == "__main__":
    sys.exit(main())
