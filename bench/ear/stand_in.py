"""A stand-in for the game and Orca together, as the by-ear player hears
them, with no clock: it speaks each key's answer as Orca speaks the game's
words (words_and_keys.said), Orca's echo of the key when its key echo is on,
and the outcome of a press by the link rule. The tests run the players on
it; `stand_in.py RULE_VERDICTS [SEEDS...]` plays both strategies on the
first boards mepo_rule_verdicts deals and prints what they would have heard,
in a moment, to try a strategy before a real game with Orca."""
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import tally  # noqa: E402
import words_and_keys as game  # noqa: E402
from link_rule import Board  # noqa: E402
from player import Heard  # noqa: E402

PICTURES = game.pictures()[1:13]
# Orca's echo of the keys it echoes by default: letters and Space, not the
# arrows, Home or End.
ECHOED = {"n": "n ", "p": "p ", "t": "t ", "r": "r ", "c": "c ", "a": "a ", "l": "l ", "space": "space "}


class StandIn:
    """The game and Orca as a player hears them: the level ends cleared, or
    timed out after a number of keys. It keeps the player's tally too."""

    def __init__(self, grid, echo=True, keys=1500):
        self.grid, self.echo, self.most = dict(grid), echo, keys
        self.cols, self.rows = game.LEVEL_1
        self.cursor, self.picked, self.ended = (1, 1), None, None
        self.tried = None  # L's last pair: (from, to)
        self.keys = self.pairs = self.refusals = self.empty_picks = 0
        self.heard = []

    def over(self):
        return self.ended is not None

    def name(self, cell):
        return PICTURES[self.grid[cell] - 1] if self.grid[cell] else game.EMPTY

    def said(self, lines):
        self.heard += lines
        return Heard(lines, game.read(lines, self.cols)[0])

    def deal(self):
        return self.said([game.said("deal", self.cursor, self.cols, self.rows, self.name)])

    def press(self, action):
        self.keys += 1
        if self.keys >= self.most:
            self.ended = "timed out"
        key = game.KEYS[action]
        lines = [ECHOED[key]] if self.echo and key in ECHOED else []
        if action in game.MOVES or action in game.READS:
            lines.append(game.said(action, self.cursor, self.cols, self.rows, self.name))
            if action in game.MOVES:
                self.cursor = game.where(action, self.cursor, self.cols, self.rows, self.name)
            return self.said(lines)
        if action == "time":
            return self.said(lines + [f"剩100秒，{self.pairs * 10}分"])
        if self.name(self.cursor) == game.EMPTY:
            if action == "try":
                return self.said(lines + ["没有"])
            self.empty_picks += 1
            return self.said(lines)
        if action == "try":
            return self.said(lines + self.try_next())
        if self.picked is None:
            self.picked = self.cursor
            return self.said(lines + ["选中"])
        a, self.picked = self.picked, None
        if a == self.cursor:
            return self.said(lines + ["取消"])
        return self.said(lines + self.pair(a, self.cursor, "消除"))

    def pair(self, a, b, linked):
        """The words of a pair pressed: refused, or linked (those words) and
        gone, with the level's end when it was the last."""
        board = Board(self.cols, self.rows, [c for c, code in self.grid.items() if code == 0])
        if self.grid[a] != self.grid[b] or not board.links(a, b):
            self.refusals += 1
            return ["连不上"]
        self.grid[a] = self.grid[b] = 0
        self.pairs += 1
        if not any(self.grid.values()):
            self.ended = "cleared"
            return [linked, "哇塞，你过关了耶,真是NB！"]
        return [linked]

    def try_next(self):
        """L: the cursor's tile with the next of its picture after the one
        tried last from it, round past the end."""
        a, code = self.cursor, self.grid[self.cursor]
        after = self.tried[1] if self.tried and self.tried[0] == a and self.grid[self.tried[1]] == code else a
        order = [(c, r) for r in range(1, self.rows + 1) for c in range(1, self.cols + 1)]
        i = order.index(after)
        b = next((cell for cell in order[i + 1:] + order[:i + 1] if cell != a and self.grid[cell] == code), None)
        if b is None:
            return ["没有"]
        self.tried, self.picked = (a, b), None
        return self.pair(a, b, f"消除，{b[1]}行{b[0]}列")

    def listen(self, seconds):
        return self.said([])

    def linkable(self):
        board = Board(self.cols, self.rows, [c for c, code in self.grid.items() if code == 0])
        tiles = [c for c, code in self.grid.items() if code]
        return any(self.grid[a] == self.grid[b] and board.links(a, b) for a in tiles for b in tiles if a < b)


def first_board(tool, seed):
    """The first board of a seeded deal, as mepo_rule_verdicts prints it."""
    lines = subprocess.run([tool, str(seed)], capture_output=True, text=True, check=True).stdout.splitlines()
    return {(c, r): int(code) for r in range(1, 11) for c, code in enumerate(lines[r].split(), 1)}


def main():
    import perfect
    import person

    tool, seeds = sys.argv[1], [int(s) for s in sys.argv[2:]] or [3, 17, 42]
    for name, strategy in (("perfect", perfect.play), ("person", person.play)):
        for echo in (True, False):
            for seed in seeds:
                game_ = StandIn(first_board(tool, seed), echo)
                ending = strategy(game_, game_.deal())
                counted = tally.spoken(game_.heard, game_.cols)
                kinds = ", ".join(f"{k} {n}/{c}" for k, (n, c) in counted["by kind"].items() if n)
                print(f"{name}, {'echo' if echo else 'no echo'}, seed {seed}: {ending}, {game_.pairs} pairs, "
                      f"{game_.refusals} refused, {game_.keys} keys, {counted['chars']} characters ({kinds})")


if __name__ == "__main__":
    main()
