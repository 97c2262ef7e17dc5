#!/usr/bin/python3
"""orca_plays.py MEPO PICTURES_H ORCA_LOG: plays one short game from the
keyboard alone while Orca runs, and checks what Orca speaks, read from its
debug log (one line "SPEECH OUTPUT: '...'" per spoken text), in the game's
words:

- the deal: its level, the cursor's place and picture;
- a step: the picture it reaches and no place;
- a pick, a link, a refused pair;
- N and P: the place of the next and previous tile of the same picture;
- R, C and A: the cursor's row, its column, what lies around it;
- T: the time left and the score;
- the time-out message, and after it no picture named again.

The board itself is read over AT-SPI, as any reader could, to choose the
tiles to play and to know what each key must say. Orca lags behind the keys
on a loaded machine: every check waits for its line with a generous limit."""
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
    return f"{row}行{col}列"


def spoken(words):
    """A line of Orca's that says the game's words, whatever it ends with."""
    return re.escape(words) + r"\.?"


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

# The deal from the menu: its level and where the cursor stands, in the
# game's own words, which follow the board's focus whatever Orca has time to
# say of it (a busy Orca passes over a focus that a newer one has overtaken).
mark = ear.mark()
key("F10", "Return")
wait_for("deal", lambda: table.getAccessibleAt(0, 0).name != "空", 20)
rows, cols = table.nRows, table.nColumns
grid = [[table.getAccessibleAt(r, c).name for c in range(cols)] for r in range(rows)]
ear.expect(spoken(f"第1关，{place(1, 1)}，{grid[0][0]}"), mark)
cursor = (1, 1)


def name(col, row):
    return grid[row - 1][col - 1]


def go(col, row):
    """Moves the cursor with the arrows, a key at a time, and checks that
    each step names the cell it reaches and nothing more."""
    global cursor
    while cursor != (col, row):
        c, r = cursor
        k, to = (("Right", (c + 1, r)) if col > c else ("Left", (c - 1, r)) if col < c
                 else ("Down", (c, r + 1)) if row > r else ("Up", (c, r - 1)))
        mark = ear.mark()
        key(k)
        ear.expect(spoken(name(*to)), mark)
        cursor = to


def press(words):
    mark = ear.mark()
    key("space")
    return ear.lines[ear.expect(spoken(words), mark)]


# A pair that links whatever lies between: two tiles of one picture on the
# same edge row or column, joined around the outside through the empty ring.
def edge_pair():
    edges = [[(c, 1) for c in range(1, cols + 1)], [(c, rows) for c in range(1, cols + 1)],
             [(1, r) for r in range(1, rows + 1)], [(cols, r) for r in range(1, rows + 1)]]
    for edge in edges:
        for i, a in enumerate(edge):
            for b in edge[i + 1:]:
                if name(*a) == name(*b):
                    return a, b
    fail(f"no pair on the board's edges: {grid}")


a, b = edge_pair()
go(*a)
press("选中")
go(*b)
press("消除")
for c, r in (a, b):
    grid[r - 1][c - 1] = "空"
# No step named a place.
placed = [line for line in ear.lines if re.search(r"\d行|\d列", line) and "第1关" not in line]
if placed:
    fail(f"a step named a place: {placed}")

# A refused pair: two neighbours of different pictures.
pairs = [((c, r), (c + 1, r)) for r in range(1, rows + 1) for c in range(1, cols)
         if "空" not in (name(c, r), name(c + 1, r)) and name(c, r) != name(c + 1, r)]
x, y = pairs[0]
go(*x)
press("选中")
go(*y)
press("连不上")

# N and P: the place of the next and the previous tile of the cursor's
# picture, in reading order, round past the end.
here = name(*y)
order = [(c, r) for r in range(1, rows + 1) for c in range(1, cols + 1) if name(c, r) == here]
after = order[(order.index(y) + 1) % len(order)]
mark = ear.mark()
key("n")
ear.expect(spoken(place(*after)), mark)
mark = ear.mark()
key("p")
ear.expect(spoken(place(*y)), mark)


# R, C and A: the row, the column, and what lies around the cursor, in few
# words: pictures in order with runs of empty cells counted.
def line_words(names):
    out, run = [], 0
    for n in names + [None]:
        if n == "空":
            run += 1
            continue
        if run:
            out.append("空" + (str(run) if run > 1 else ""))
        run = 0
        if n is not None:
            out.append(n)
    return "、".join(out)


def around_words(col, row):
    ways = []
    for way, dc, dr in (("上", 0, -1), ("下", 0, 1), ("左", -1, 0), ("右", 1, 0)):
        c, r, k = col + dc, row + dr, 0
        while 1 <= c <= cols and 1 <= r <= rows and name(c, r) == "空":
            c, r, k = c + dc, r + dr, k + 1
        seen = ("空" + (str(k) if k > 1 else "")) if k else ""
        seen += "到边" if not (1 <= c <= cols and 1 <= r <= rows) else name(c, r)
        ways.append(way + seen)
    return "，".join(ways)


c, r = y
for k, words in (("r", line_words([name(i, r) for i in range(1, cols + 1)])),
                 ("c", line_words([name(c, j) for j in range(1, rows + 1)])),
                 ("a", around_words(c, r))):
    mark = ear.mark()
    key(k)
    ear.expect(spoken(words), mark)

# L: the pair of the cursor's tile and the next of its picture, the cursor
# left where it is. Two tiles of a picture on the top or bottom row, with no
# other of it between them, are the next of each other and link round the
# ring: L says the link and where the other tile was.
def next_on_edge():
    for r in (1, rows):
        for c in range(1, cols + 1):
            if name(c, r) == "空":
                continue
            for k in range(c + 1, cols + 1):
                if name(k, r) == name(c, r):
                    return (c, r), (k, r)
    fail(f"no two tiles of a picture on the top or bottom row: {grid}")


a, b = next_on_edge()
go(*a)
mark = ear.mark()
key("l")
ear.expect(spoken(f"消除，{place(*b)}"), mark)
for c, r in (a, b):
    grid[r - 1][c - 1] = "空"

# T: the time left and the score, whenever asked.
mark = ear.mark()
key("t")
ear.expect(r"剩\d+秒，\d+分\.?", mark)

# The time-out (the clock runs six times as fast): its message, then a
# blank board that names no picture, whatever the keys.
mark = ear.expect(r"对不起，时间到了!你的最后分数:\d+\.?", ear.mark(), 90)
key("Return")
wait_for("the message closed", lambda: not find(app, pyatspi.ROLE_ALERT, None, any_name=True), 20)
key("Right", "space", "n", "l", "Down", "r", "t")
# T still answers; nothing before it named a picture.
end = ear.expect(r"剩\d+秒，\d+分\.?", mark + 1)
named = [line for line in ear.lines[mark + 1:end] if line.rstrip(".") in PICTURES or "、" in line]
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
