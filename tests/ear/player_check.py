#!/usr/bin/python3
"""player_check.py: the by-ear player listens to a key until its words
answer it, not only to Orca's first line: a press's words come after the
echo of Space, and a reading's after the echo of its letter; it follows the
cursor by its keys where the words give no place; and the level's end is
heard, and tallied, whatever the key."""
import io
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "bench", "ear"))
import player as hands  # noqa: E402



class Ear:
    """Orca as a script: after each key, lines written at given delays, each
    stamped with the time of day of its delay after the key."""

    def __init__(self):
        self.lines, self.heard, self.stamps, self.coming = [], [], [], []

    def say(self, *timed):
        start, stamp = time.monotonic(), hands.time_of_day()
        self.coming = [(start + delay, stamp + delay, line) for delay, line in timed]

    def mark(self):
        now = time.monotonic()
        while self.coming and self.coming[0][0] <= now:
            _, stamp, line = self.coming.pop(0)
            self.lines.append(line)
            self.heard.append(now)
            self.stamps.append(stamp)
        return len(self.lines)


ear, script = Ear(), []
hands.subprocess.run = lambda *a, **k: ear.say(*script.pop(0))
player = hands.Player(ear, io.StringIO())
wrong = []

script.append([(0.0, "return "), (0.1, "棋盘."), (0.2, "第1关，1行1列，蛇")])
heard = player.press("deal")
if heard.facts.at != (1, 1) or player.cursor != (1, 1):
    wrong.append(f"the deal: {heard.lines}")
script.append([(0.05, "斑马")])
player.press("right")
script.append([(0.05, "边")])
player.press("up")
script.append([(0.0, "r "), (0.2, "蛇、斑马、空10")])
heard = player.press("row")
if player.cursor != (2, 1) or heard.facts.line is None:
    wrong.append(f"the cursor by its keys: {player.cursor}, the row {heard.lines}")
script.append([(0.0, "space "), (0.3, "消除")])
heard = player.press("press")
if not heard.facts.linked or player.pairs != 1 or player.tries != 1:
    wrong.append(f"the link: {heard.lines}, {player.pairs} pairs")
# The answer is the link's stamp, 0.3 s after the key, not the echo's.
if heard.answer is None or abs(heard.answer - 0.3) > 0.05:
    wrong.append(f"the link's answer: {heard.answer}, not the link's words' 0.3 s")
script.append([(0.0, "n "), (0.1, "3行5列")])
player.press("next")
script.append([(0.05, "连不上"), (0.1, "alert Mepo(Tazu造型版)"), (0.1, "哇塞，你过关了耶,真是NB！")])
player.press("press")
if (player.cursor, player.tries, player.refusals, player.ended, player.keys) != ((5, 3), 2, 1, "cleared", 7) \
        or not player.over():
    wrong.append(f"the end: at {player.cursor}, {player.tries} tries, {player.refusals} refused, {player.ended}, "
                 f"{player.keys} keys")

if wrong:
    sys.exit("player_check:\n  " + "\n  ".join(wrong))
print("player_check: every key listened to until it was answered")
