"""The link rule as the game plays it: two tiles link when a path of at most
three straight segments (two turns) through empty cells joins them, the
empty ring just outside the play area counting as well. Cells are (col, row)
from (1, 1); the ring is column 0 and cols + 1, row 0 and rows + 1. The
picture of each tile is the caller's business: this says only whether the
way between two cells is open."""

STEPS = ((1, 0), (-1, 0), (0, 1), (0, -1))


class Board:
    """Which cells of a cols x rows play area are empty; every other cell,
    known or not, blocks a path."""

    def __init__(self, cols, rows, empty=()):
        self.cols, self.rows = cols, rows
        self.empty = set(empty)

    def is_open(self, cell):
        c, r = cell
        if not (0 <= c <= self.cols + 1 and 0 <= r <= self.rows + 1):
            return False
        inside = 1 <= c <= self.cols and 1 <= r <= self.rows
        return not inside or cell in self.empty

    def _clear(self, a, b):
        """Every cell strictly between a and b, on one row or column, is open."""
        (ac, ar), (bc, br) = a, b
        if ac == bc:
            step = 1 if br > ar else -1
            return all(self.is_open((ac, r)) for r in range(ar + step, br, step))
        if ar == br:
            step = 1 if bc > ac else -1
            return all(self.is_open((c, ar)) for c in range(ac + step, bc, step))
        return False

    def _one_turn(self, a, b):
        """A straight line, or two segments turning at an open corner."""
        if a[0] == b[0] or a[1] == b[1]:
            return self._clear(a, b)
        for corner in ((a[0], b[1]), (b[0], a[1])):
            if self.is_open(corner) and self._clear(a, corner) and self._clear(corner, b):
                return True
        return False

    def links(self, a, b):
        """Whether tiles at a and b are joined by a path of at most two turns."""
        if a == b:
            return False
        if self._one_turn(a, b):
            return True
        # Two turns: the first segment leaves a in one of four directions
        # through open cells, and the rest turns once at most.
        for dc, dr in STEPS:
            p = (a[0] + dc, a[1] + dr)
            while self.is_open(p):
                if self._one_turn(p, b):
                    return True
                p = (p[0] + dc, p[1] + dr)
        return False
