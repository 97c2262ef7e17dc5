#!/usr/bin/python3
"""orca_plays.py MEPO PICTURES_H ORCA_LOG: plays one short game from the
keyboard alone while Orca runs, and checks what Orca speaks, read from its
debug log (one line "SPEECH OUTPUT: '...'" per spoken text):

- the deal: the cursor's first cell, its picture and place;
- a move: the new cell's place;
- a pick, a link with the new score, a refused pair;
- N and P: the next and previous tile of the same picture;
- T: the time left and the score;
- the time-out message, and after it no picture named again.

The board itself is read over AT-SPI, as any reader could, to choose the
tiles to play. Orca lags behind the keys on a loaded machine: every check
waits for its line with a generous limit."""
import os
import re
import subprocess
import sys
import time

import pyatspi

import game_on_the_bus
from game_on_the_bus import find, game_app, picture_names
from orca_ear import Ear

MEPO, PICTURES_H, ORCA_LOG = sys.argv[1:4]
PICTURES = picture_names(PICTURES_H)
FAKETIME = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1"


game = None


def end_game():
    if game and game.poll() is None:
        game.kill()


game_on_the_bus.on_failure.append(end_game)


def fail(why):
    game_on_the_bus.fail("orca_plays", why)


def wait_for(what, found, seconds=40):
    return game_on_the_bus.wait_for("orca_plays", what, found, seconds)


def key(*names):
    subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True)


def place(col, row):
    return f"第{row}行，第{col}列."


ear = Ear(ORCA_LOG, "orca_plays")
ear.expect(r"Screen reader on\.?", 0, 60)
started = ear.mark()
# The game's clock six times as fast, by libfaketime loaded into the game
# itself (its process is the game's, whose window the desktop knows).
game = subprocess.Popen([MEPO], env=dict(os.environ, LD_PRELOAD=FAKETIME, FAKETIME="+0 x6"))
window = wait_for("game window", lambda: subprocess.run(
    ["xdotool", "search", "--onlyvisible", "--pid", str(game.pid)],
    capture_output=True, text=True).stdout.split())
subprocess.run(["xdotool", "windowactivate", "--sync", window[0]], check=False)
app = game_app("orca_plays")
board = wait_for("table named 棋盘", lambda: find(app, pyatspi.ROLE_TABLE, "棋盘"))
table = board.queryTable()
# Orca follows the game's window before the first key.
ear.expect(re.escape("Mepo(Tazu造型版) frame") + r"\.?", started)

# The deal from the menu: the first cell, named and placed. (Orca names the
# board too when it has the time: the board's focus and then its cell's come
# within a moment, and a busy Orca passes over a focus that a newer one has
# overtaken, so the board's name is not what a player can count on.)
mark = ear.mark()
key("F10", "Return")
wait_for("deal", lambda: table.getAccessibleAt(0, 0).name != "空", 20)
rows, cols = table.nRows, table.nColumns
grid = [[table.getAccessibleAt(r, c).name for c in range(cols)] for r in range(rows)]
first = ear.expect(re.escape(place(1, 1)), mark)
if grid[0][0] + "." not in ear.lines[mark:first]:
    fail(f"the deal named no first tile {grid[0][0]}: {ear.lines[mark:first + 1]}")
cursor = (1, 1)


def go(col, row):
    """Moves the cursor with the arrows and waits for its new place."""
    global cursor
    keys = ["Home"] if col < cursor[0] else ["Right"] * (col - cursor[0])
    if col < cursor[0]:
        keys += ["Right"] * (col - 1)
    keys += ["Down"] * (row - cursor[1]) + ["Up"] * (cursor[1] - row)
    if not keys:
        return
    mark = ear.mark()
    key(*keys)
    ear.expect(re.escape(place(col, row)), mark)
    cursor = (col, row)


def press(pattern):
    mark = ear.mark()
    key("space")
    return ear.lines[ear.expect(pattern, mark)]


# A pair that links whatever lies between: two tiles of one picture on the
# same edge row or column, joined around the outside through the empty ring.
def edge_pair():
    edges = [[(c, 1) for c in range(1, cols + 1)], [(c, rows) for c in range(1, cols + 1)],
             [(1, r) for r in range(1, rows + 1)], [(cols, r) for r in range(1, rows + 1)]]
    for edge in edges:
        for i, a in enumerate(edge):
            for b in edge[i + 1:]:
                if grid[a[1] - 1][a[0] - 1] == grid[b[1] - 1][b[0] - 1]:
                    return a, b
    fail(f"no pair on the board's edges: {grid}")


a, b = edge_pair()
name = grid[a[1] - 1][a[0] - 1]
go(*a)
press(re.escape(f"{name}，选中"))
go(*b)
score = press(re.escape(f"{name}，消除，分数:") + r"\d+").rsplit(":", 1)[1]
for c, r in (a, b):
    grid[r - 1][c - 1] = "空"

# A refused pair: two neighbours of different pictures.
pairs = [((c, r), (c + 1, r)) for r in range(1, rows + 1) for c in range(1, cols)
         if "空" not in (grid[r - 1][c - 1], grid[r - 1][c]) and grid[r - 1][c - 1] != grid[r - 1][c]]
x, y = pairs[0]
go(*x)
press(re.escape(f"{grid[x[1] - 1][x[0] - 1]}，选中"))
go(*y)
press(re.escape(f"{grid[y[1] - 1][y[0] - 1]}，连不上，取消选中"))

# N and P: the next and the previous tile of the cursor's picture, in
# reading order, round past the end.
here = grid[y[1] - 1][y[0] - 1]
order = [(c, r) for r in range(1, rows + 1) for c in range(1, cols + 1) if grid[r - 1][c - 1] == here]
after = order[(order.index(y) + 1) % len(order)]
mark = ear.mark()
key("n")
ear.expect(re.escape(place(*after)), mark)
mark = ear.mark()
key("p")
ear.expect(re.escape(place(*y)), mark)

# T: the time left and the score, whenever asked.
mark = ear.mark()
key("t")
said = ear.lines[ear.expect(r"剩余时间:\d+秒，分数:(\d+)", mark)]
if not said.endswith(":" + score):
    fail(f"T said {said!r}, not the score {score}")

# The time-out (the clock runs six times as fast): its message, then a
# blank board that names no picture, whatever the keys.
mark = ear.expect(r"对不起，时间到了!你的最后分数:\d+\.?", ear.mark(), 90)
key("Return")
time.sleep(1)
key("Right", "space", "n", "Down")
time.sleep(3)
ear.mark()
named = [line for line in ear.lines[mark + 1:] if line.rstrip(".") in PICTURES]
if named:
    fail(f"the blank board named {named}")

find(app, pyatspi.ROLE_MENU_ITEM, "退出").queryAction().doAction(0)
try:
    status = game.wait(30)
except subprocess.TimeoutExpired:
    game.kill()
    fail("the game did not end")
if status != 0:
    fail(f"the game ended with status {status}")
print("orca_plays: Orca spoke every step:")
for line in ear.lines:
    print("  " + line)
