"""What the campaign modules share: a level drawn as text with its idea and
winning script, and the table of campaigns they fill."""
from qbf import level


class L:
    """One level: the board, its limits and walls, and how to win it."""

    def __init__(self, rows, limit, bonus, walls, idea, solution):
        self.text = level(rows, limit, bonus, walls)
        self.idea = idea
        self.solution = solution.strip()


CAMPAIGNS = {}


def define(key, name, desc, lives, levels, required=None):
    CAMPAIGNS[key] = (name, desc, lives, levels, required)
