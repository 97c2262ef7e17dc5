#!/usr/bin/python3
"""read_board.py PICTURES_H: reads the game's board over the accessibility bus
as a screen reader does. Deals through the menu item 开始游戏, prints the table
named 棋盘, quits through 退出, and checks that the table was 10 x 12 cells
named after the pictures of codes 1 to 12 (in PICTURES_H), ten of each, its
first cell placed, and the table focused: the deal gives the board the
keyboard, and the board keeps the focus while its cursor moves."""
import collections
import sys

import pyatspi

from game_on_the_bus import find, game_app, picture_names, wait_for as wait


def wait_for(what, found, seconds=30):
    return wait("read_board", what, found, seconds)


pictures = picture_names(sys.argv[1])
app = game_app("read_board")
board = wait_for("table named 棋盘", lambda: find(app, pyatspi.ROLE_TABLE, "棋盘"))
find(app, pyatspi.ROLE_MENU_ITEM, "开始游戏").queryAction().doAction(0)
table = board.queryTable()
wait_for("deal", lambda: table.getAccessibleAt(0, 0).name != "空", 10)

path, acc = [], board
while acc and acc != app:
    path.insert(0, f"{acc.getRoleName()} {acc.name!r}")
    acc = acc.parent
print(" > ".join([f"application {app.name!r}"] + path))
rows, cols = table.nRows, table.nColumns
print(f"{board.name}: {rows} rows x {cols} columns, {board.childCount} children ({board.description})")
cells = [[table.getAccessibleAt(r, c) for c in range(cols)] for r in range(rows)]
for r, line in enumerate(cells):
    print(f"  row {r}: " + " ".join(cell.name for cell in line))
first = cells[0][0]
focused = wait_for("focused board", lambda: board.getState().contains(pyatspi.STATE_FOCUSED), 10)
placed = first.description
print(f"cell (0, 0): {first.getRoleName()} {first.name!r}, {placed!r}; board focused {focused}")
named = collections.Counter(cell.name for line in cells for cell in line if cell.getRole() == pyatspi.ROLE_TABLE_CELL)
find(app, pyatspi.ROLE_MENU_ITEM, "退出").queryAction().doAction(0)

expected = collections.Counter({pictures[code]: 10 for code in range(1, 13)})
if placed != "第1行，第1列":
    sys.exit(f"read_board: the first cell is placed as {placed!r}")
if (rows, cols) != (10, 12) or named != expected:
    sys.exit(f"read_board: {rows} x {cols} cells named {dict(named)}, not 10 x 12 named {dict(expected)}")
print("read_board: the board reads as dealt")
