#!/usr/bin/env python3
"""Checks the human rhythm of a campaign's routes: how long a ball left
alone survives after the countdown, the frame of the first press, the
closest two presses, the exit frame and the presses of every route.

    python3 scripts/levels/rhythm.py CAMPAIGN.qbf [SLOT...]

A level misses when the ball left alone is lost before frame 90 or wins,
the first press comes before frame 15 or two presses less than 10 frames
apart. Prints one line a level, then the medians; exit status 1 on a miss.
"""
import os
import statistics
import subprocess
import sys

REPO = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
REPLAY = os.environ.get("QUIB_REPLAY", os.path.join(REPO, "build", "quib-replay"))


def outcome(camp, slot, route=None):
    args = [REPLAY, camp, str(slot)] + ([route] if route else [])
    line = subprocess.run(args, capture_output=True, text=True).stdout.split()
    fields = dict(w.split("=", 1) for w in line[1:] if "=" in w)
    return line[0] if line else "?", int(fields.get("frames", 0))


def presses(route):
    frames = sorted({int(l.split()[0]) for l in open(route) if l.strip() and not l.startswith("#")})
    runs = []
    for f in frames:  # a press is a run of consecutive frames
        if runs and runs[-1][1] == f - 1:
            runs[-1][1] = f
        else:
            runs.append([f, f])
    return runs


def main():
    camp = sys.argv[1]
    count = int(next(l for l in open(camp) if l.startswith("levels")).split()[1])
    slots = [int(a) for a in sys.argv[2:]] or range(1, count + 1)
    bad = 0
    exits, counts = [], []
    for slot in slots:
        route = "%s.%d.txt" % (camp, slot)
        idle, idle_frames = outcome(camp, slot)
        won, frames = outcome(camp, slot, route)
        runs = presses(route)
        first = runs[0][0] if runs else 0
        gap = min((b[0] - a[1] for a, b in zip(runs, runs[1:])), default=99)
        miss = []
        if idle == "Exited" or (idle == "Lost" and idle_frames < 90):
            miss.append("idle")
        if first < 15:
            miss.append("first")
        if gap < 10:
            miss.append("gap")
        if won != "Exited":
            miss.append("route")
        bad += bool(miss)
        exits.append(frames)
        counts.append(len(runs))
        print("%2d idle %-11s %4d first %3d gap %3d presses %d exit %4d %s" % (
            slot, idle, idle_frames, first, gap, len(runs), frames, " ".join(miss) or "ok"))
    print("median presses %.1f, exit frame %.1f; %d of %d levels miss" % (
        statistics.median(counts), statistics.median(exits), bad, len(slots)))
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
