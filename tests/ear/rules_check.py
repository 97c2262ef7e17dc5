#!/usr/bin/python3
"""rules_check.py RULE_VERDICTS: the by-ear player's copy of the rules
(bench/ear: the link rule, and where N and P take the cursor) gives the
game's own answers, printed by mepo_rule_verdicts, on every board of a few
seeded deals played down to the end."""
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "bench", "ear"))
import words_and_keys as game  # noqa: E402
from link_rule import Board  # noqa: E402

SEEDS = (0, 17, 42, 59)


def boards(text):
    """(grid, jumps, pairs) for every board the tool printed."""
    lines, i = text.splitlines(), 0
    while i < len(lines):
        _, cols, rows = lines[i].split()
        cols, rows = int(cols), int(rows)
        grid = {(c, r): int(code) for r in range(1, rows + 1)
                for c, code in enumerate(lines[i + r].split(), 1)}
        i += rows + 1
        jumps, pairs = [], []
        while i < len(lines) and not lines[i].startswith("board"):
            word, *numbers = lines[i].split()
            (jumps if word == "jump" else pairs).append(tuple(map(int, numbers)))
            i += 1
        yield cols, rows, grid, jumps, pairs


def main():
    tool = sys.argv[1]
    checked, wrong = 0, []
    for seed in SEEDS:
        text = subprocess.run([tool, str(seed)], capture_output=True, text=True, check=True).stdout
        for cols, rows, grid, jumps, pairs in boards(text):
            board = Board(cols, rows, [cell for cell, code in grid.items() if code == 0])
            picture = lambda cell: game.EMPTY if grid[cell] == 0 else str(grid[cell])
            for c1, r1, c2, r2, verdict in pairs:
                checked += 1
                if board.links((c1, r1), (c2, r2)) != bool(verdict):
                    wrong.append(f"seed {seed}: ({c1},{r1})-({c2},{r2}) links {bool(verdict)} in the game")
            for c, r, nc, nr, pc, pr in jumps:
                for action, to in (("next", (nc, nr)), ("previous", (pc, pr))):
                    checked += 1
                    want = to if to != (0, 0) else (c, r)
                    got = game.where(action, (c, r), cols, rows, picture)
                    if got != want:
                        wrong.append(f"seed {seed}: {action} from ({c},{r}) goes to {want} in the game, {got} here")
    if wrong or checked < 10000:
        sys.exit(f"rules_check: {len(wrong)} of {checked} answers differ:\n  " + "\n  ".join(wrong[:20]))
    print(f"rules_check: {checked} answers as the game's")


if __name__ == "__main__":
    main()
