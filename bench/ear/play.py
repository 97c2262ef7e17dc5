#!/usr/bin/python3
"""play.py MEPO RUN_DIR STRATEGY QUIET: one game of level 1 by ear, inside a
session where Orca runs with its debug log at RUN_DIR/orca.debug (see
one_run). Starts the game on its real clock, waits for Orca to follow its
window, deals from the menu and lets the strategy play to the level's end;
writes the trace of every key (keys.tsv) and the figures (result.json) to
RUN_DIR, and ends the game. QUIET: the seconds of quiet after a key's
answer that end the listening to it."""
import json
import os
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tests", "a11y"))

import game_on_the_bus  # noqa: E402
from orca_ear import Ear  # noqa: E402

import orca_words  # noqa: E402
import perfect  # noqa: E402
import person  # noqa: E402
import tally  # noqa: E402
import words_and_keys as game  # noqa: E402
from player import Player  # noqa: E402

STRATEGIES = {"perfect": perfect.play, "person": person.play}


def main():
    mepo, run_dir, strategy, quiet = sys.argv[1:5]
    ear = Ear(os.path.join(run_dir, "orca.debug"), "by_ear")
    ear.expect(r"Screen reader on\.?", 0, 60)
    started = ear.mark()
    with open(os.path.join(run_dir, "game.log"), "w") as log:
        app = subprocess.Popen([mepo], stdout=log, stderr=subprocess.STDOUT)
    game_on_the_bus.on_failure.append(lambda: app.poll() is None and app.kill())
    try:
        window = game_on_the_bus.wait_for("by_ear", "game window", lambda: subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--pid", str(app.pid)],
            capture_output=True, text=True).stdout.split(), 40)
        subprocess.run(["xdotool", "windowactivate", "--sync", window[0]], check=False)
        ear.expect(orca_words.frame(game.WINDOW_TITLE), started)
        with open(os.path.join(run_dir, "keys.tsv"), "w", encoding="utf-8") as trace:
            player = Player(ear, trace, float(quiet))
            player.press("menu")
            heard = player.press("deal")
            if heard.facts.at is None:
                game_on_the_bus.fail("by_ear", f"the deal said no place: {heard.lines}")
            ending = STRATEGIES[strategy](player, heard)
            # Whatever Orca says of the end: a moment more.
            time.sleep(1)
            ear.mark()
        result = {
            "strategy": strategy, "quiet": float(quiet),
            "ending": ending or "ended",
            "seconds": player.end_seconds,
            "pairs": player.pairs, "keys": player.keys,
            "tries": player.tries, "refusals": player.refusals,
            "score": player.score,
            "answers": [a for a in player.answers if a is not None],
            "silent keys": sum(a is None for a in player.answers),
        }
        result.update(tally.spoken(ear.lines[player.first_line:], player.cols))
        with open(os.path.join(run_dir, "result.json"), "w", encoding="utf-8") as f:
            json.dump(result, f, ensure_ascii=False, indent=1)
    finally:
        if app.poll() is None:
            app.terminate()
            try:
                app.wait(10)
            except subprocess.TimeoutExpired:
                app.kill()


if __name__ == "__main__":
    main()
