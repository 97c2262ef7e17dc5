#!/usr/bin/python3
"""strategies_check.py RULE_VERDICTS: both players of the by-ear benchmark
play whole deals against the stand-in for the game and Orca
(bench/ear/stand_in.py), on the first boards mepo_rule_verdicts deals,
with Orca's key echo on and off. The perfect player links only pairs that
link, and ends cleared, or stuck with no pair left that links; the
person's way never picks an empty cell and links some pairs."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "bench", "ear"))
import perfect  # noqa: E402
import person  # noqa: E402
from stand_in import StandIn, first_board  # noqa: E402

SEEDS = (3, 17, 42)


def main():
    wrong = []
    for seed in SEEDS:
        grid = first_board(sys.argv[1], seed)
        for echo in (True, False):
            how = f"seed {seed}, {'echo' if echo else 'no echo'}"
            game_ = StandIn(grid, echo)
            ending = perfect.play(game_, game_.deal())
            print(f"perfect, {how}: {ending}, {game_.pairs} pairs in {game_.keys} keys")
            stuck_wrongly = ending == "stuck" and game_.linkable()
            if game_.refusals or game_.empty_picks or ending not in ("cleared", "stuck") or stuck_wrongly:
                wrong.append(f"perfect, {how}: {ending}, {game_.refusals} refused, {game_.empty_picks} empty picks")
            game_ = StandIn(grid, echo, keys=800)
            ending = person.play(game_, game_.deal())
            print(f"person, {how}: {ending}, {game_.pairs} pairs, {game_.refusals} refused in {game_.keys} keys")
            if game_.empty_picks or game_.pairs < 10 or not ending:
                wrong.append(f"person, {how}: {ending}, {game_.pairs} pairs, {game_.empty_picks} empty picks")
    if wrong:
        sys.exit("strategies_check:\n  " + "\n  ".join(wrong))
    print("strategies_check: both players play as they should")


if __name__ == "__main__":
    main()
