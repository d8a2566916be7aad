"""Turns levels drawn as text into campaign files in the canonical form.

A level is drawn as rows of space-separated cells: "_" is an empty cell,
anything else is a piece letter followed by its size, e.g. ".1" (start,
ball size 1), "*2" (exit), "$0" (coin), "+3" (attractor), "-2" (repeller),
">1" / "<1" (spinners), "!1" (hazard). Walls are four letters N E S W from
"BDW" (bounce, deadly, wrap).
"""

PIECES = "~+-><$.*!"


def level(rows, limit, bonus, walls):
    grid = [r.split() for r in rows.strip("\n").splitlines() if r.strip()]
    width = len(grid[0])
    for r in grid:
        if len(r) != width:
            raise ValueError("ragged row: %r" % r)
    if len(grid) > 12 or width > 18:
        raise ValueError("level too large")
    lines = ["width %d" % width, "height %d" % len(grid), "limit %d" % limit, "bonus %d" % bonus]
    if not 0 <= bonus <= limit:
        raise ValueError("bonus out of range")
    for side, letter in zip("NESW", walls):
        assert letter in "BDW"
        lines.append("wall %s %s" % (side, letter))
    starts = exits = 0
    for y, r in enumerate(grid):
        for x, token in enumerate(r):
            if token == "_":
                continue
            kind, size = token[0], int(token[1:])
            assert kind in PIECES[1:] and 0 <= size <= 3, token
            starts += kind == "."
            exits += kind == "*"
            lines.append("at %d %d %s %d" % (x, y, kind, size))
    if starts != 1 or exits < 1:
        raise ValueError("a level needs one start and an exit")
    lines.append("done level")
    return "\n".join(lines) + "\n"


def campaign(path, name, desc, lives, levels, required=None):
    assert len(name) <= 20 and len(desc) <= 80
    text = "name %s\ndesc %s\nlevels %d\nlives %d\n" % (
        name, desc, len(levels) if required is None else required, lives)
    for block in levels:
        text += "\nstart level\n" + block
    with open(path, "w") as out:
        out.write(text)
