#!/usr/bin/python3
"""player_check.py: the by-ear player listens to a key until its words
answer it, not only to Orca's first line: the link's words come some 300 ms
after the echo of Space; a move is answered by the cursor's place after a
whole row; and the level's end is heard, and tallied, whatever the key."""
import io
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "bench", "ear"))
import player as hands  # noqa: E402

ROW = [f"{name}." for name in ["蛇", "斑马", "热带鱼", "乌龟", "鹦鹉", "蛇", "空", "企鹅", "章鱼", "蛇", "鲸鱼", "螃蟹"]]


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

script.append([(0.0, "return ")] + [(0.1, line) for line in ROW] + [(0.1, "第1行，第1列.")])
heard = player.press("deal")
if heard.facts.at != (1, 1) or len(heard.lines) != 14:
    wrong.append(f"the deal: {heard.lines}")
script.append([(0.0, "space "), (0.3, "蛇，消除，分数:40")])
heard = player.press("press")
if heard.facts.linked != "蛇" or player.pairs != 1 or player.tries != 1:
    wrong.append(f"the link: {heard.lines}, {player.pairs} pairs")
# The answer is the link's stamp, 0.3 s after the key, not the echo's.
if heard.answer is None or abs(heard.answer - 0.3) > 0.05:
    wrong.append(f"the link's answer: {heard.answer}, not the link's words' 0.3 s")
script.append([(0.0, "space "), (0.05, "selected"), (0.1, "蛇，选中")])
player.press("press")
script.append([(0.05, "蛇，连不上，取消选中"), (0.1, "alert Mepo(Tazu造型版)"), (0.1, "哇塞，你过关了耶,真是NB！")])
player.press("press")
if (player.tries, player.refusals, player.ended, player.keys) != (2, 1, "cleared", 4) or not player.over():
    wrong.append(f"the end: {player.tries} tries, {player.refusals} refused, {player.ended}, {player.keys} keys")

if wrong:
    sys.exit("player_check:\n  " + "\n  ".join(wrong))
print("player_check: every key listened to until it was answered")
