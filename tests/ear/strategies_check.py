#!/usr/bin/python3
"""strategies_check.py RULE_VERDICTS: both players of the by-ear benchmark
play whole deals against a stand-in for the game and Orca, which speaks
each key's answer as Orca speaks the game's (a cell's picture and place, or
the whole row on entering one; the pick, the link, the refusal), on the
first boards mepo_rule_verdicts deals. The perfect player links only pairs
that link, and ends cleared, or stuck with no pair left that links; the
person's way never picks an empty cell and links some pairs."""
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "bench", "ear"))
import perfect  # noqa: E402
import person  # noqa: E402
import words_and_keys as game  # noqa: E402
from link_rule import Board  # noqa: E402
from player import Heard  # noqa: E402

SEEDS = (3, 17, 42)
PICTURES = game.pictures()[1:13]


class StandIn:
    """The game and Orca as a player hears them, with no clock: the level
    ends cleared, or timed out after a number of keys."""

    def __init__(self, grid, full_rows, keys=1500):
        self.grid, self.full_rows, self.most = dict(grid), full_rows, keys
        self.cols, self.rows = game.LEVEL_1
        self.cursor, self.picked, self.ended = (1, 1), None, None
        self.keys = self.pairs = self.refusals = self.empty_picks = 0

    def over(self):
        return self.ended is not None

    def name(self, cell):
        return PICTURES[self.grid[cell] - 1] if self.grid[cell] else game.EMPTY

    def said(self, lines):
        return Heard(lines, game.read(lines, self.cols)[0])

    def cell_words(self, old):
        c, r = self.cursor
        names = range(1, self.cols + 1) if self.full_rows and r != old[1] else [c]
        return [self.name((col, r)) + "." for col in names] + [f"第{r}行，第{c}列."]

    def press(self, action):
        self.keys += 1
        if self.keys >= self.most:
            self.ended = "timed out"
        if action in game.MOVES:
            to = game.where(action, self.cursor, self.cols, self.rows, self.name)
            old, self.cursor = self.cursor, to
            if to != old:
                return self.said(self.cell_words(old))
            return self.said([self.name(to) + "."] if action in ("next", "previous") else [])
        picture = self.name(self.cursor)
        if picture == game.EMPTY:
            self.empty_picks += 1
            return self.said([])
        if self.picked is None:
            self.picked = self.cursor
            return self.said(["selected", picture + "，选中"])
        a, self.picked = self.picked, None
        if a == self.cursor:
            return self.said([picture + "，取消选中"])
        board = Board(self.cols, self.rows, [c for c, code in self.grid.items() if code == 0])
        if self.grid[a] != self.grid[self.cursor] or not board.links(a, self.cursor):
            self.refusals += 1
            return self.said([picture + "，连不上，取消选中"])
        self.grid[a] = self.grid[self.cursor] = 0
        self.pairs += 1
        lines = [f"{picture}，消除，分数:{self.pairs * 10}"]
        if not any(self.grid.values()):
            self.ended = "cleared"
            lines.append("哇塞，你过关了耶,真是NB！")
        return self.said(lines)

    def listen(self, seconds):
        return self.said([])

    def linkable(self):
        board = Board(self.cols, self.rows, [c for c, code in self.grid.items() if code == 0])
        tiles = [c for c, code in self.grid.items() if code]
        return any(self.grid[a] == self.grid[b] and board.links(a, b) for a in tiles for b in tiles if a < b)


def first_board(tool, seed):
    lines = subprocess.run([tool, str(seed)], capture_output=True, text=True, check=True).stdout.splitlines()
    return {(c, r): int(code) for r in range(1, 11) for c, code in enumerate(lines[r].split(), 1)}


def main():
    wrong = []
    for seed in SEEDS:
        grid = first_board(sys.argv[1], seed)
        for full_rows in (True, False):
            how = f"seed {seed}, {'whole rows' if full_rows else 'cells'}"
            game_ = StandIn(grid, full_rows)
            first = game_.said(game_.cell_words((0, 0)))
            ending = perfect.play(game_, first)
            print(f"perfect, {how}: {ending}, {game_.pairs} pairs in {game_.keys} keys")
            stuck_wrongly = ending == "stuck" and game_.linkable()
            if game_.refusals or game_.empty_picks or ending not in ("cleared", "stuck") or stuck_wrongly:
                wrong.append(f"perfect, {how}: {ending}, {game_.refusals} refused, {game_.empty_picks} empty picks")
            game_ = StandIn(grid, full_rows, keys=800)
            ending = person.play(game_, game_.said(game_.cell_words((0, 0))))
            print(f"person, {how}: {ending}, {game_.pairs} pairs, {game_.refusals} refused in {game_.keys} keys")
            if game_.empty_picks or game_.pairs < 10 or not ending:
                wrong.append(f"person, {how}: {ending}, {game_.pairs} pairs, {game_.empty_picks} empty picks")
    if wrong:
        sys.exit("strategies_check:\n  " + "\n  ".join(wrong))
    print("strategies_check: both players play as they should")


if __name__ == "__main__":
    main()
