"""Everything the by-ear player knows of the game itself: the keys it
presses, where each takes the cursor, and the game's words as Orca speaks
them, turned into facts. When the board's words or keys change, this is the
one file to change; the player, the strategies and the tally only use what
it gives them:

- KEYS, the xdotool key of each action; MOVES, the actions that move the
  cursor, and where(action, cursor, cols, rows, picture_at) for each;
- answered(action, facts): whether what was heard after a key answers it;
- read(lines, cols): the facts in a stretch of Orca's speech, and what
  kind of words each line was (for counting where the characters go);
  ends(line): whether it is the message of the level's end.

A cell is (col, row) from (1, 1). A picture is its Chinese name; an empty
cell is EMPTY."""
import os
import re
from dataclasses import dataclass, field

HERE = os.path.dirname(os.path.abspath(__file__))
PICTURES_H = os.path.join(HERE, "..", "..", "assets", "pictures.h")

# Level 1, the beginner board: columns and rows of tiles, dealt full with
# ten tiles of each picture.
LEVEL_1 = (12, 10)
TILES_OF_A_PICTURE = 10
SECONDS_A_LEVEL = 180
WINDOW_TITLE = "Mepo(Tazu造型版)"
EMPTY = "空"

# The keys, by what they do: the menu's first item (开始游戏) deals.
KEYS = {
    "menu": "F10", "deal": "Return",
    "left": "Left", "right": "Right", "up": "Up", "down": "Down",
    "home": "Home", "end": "End", "next": "n", "previous": "p",
    "press": "space", "time": "t",
}
MOVES = ("left", "right", "up", "down", "home", "end", "next", "previous")


def pictures():
    """The Chinese names of the sixty pictures, in sheet order."""
    with open(PICTURES_H, encoding="utf-8") as f:
        return re.findall(r'\{0x[0-9A-Fa-f]+, "[^"]*", "([^"]*)"\}', f.read())


NAMES = frozenset(pictures()) | {EMPTY}


def where(action, cursor, cols, rows, picture_at):
    """The cell a move takes the cursor to; None when it cannot be told from
    picture_at(cell) (a picture, EMPTY, or None for a cell not yet heard).
    A move that goes nowhere (an edge, N on a lone tile) gives the cursor."""
    c, r = cursor
    if action == "left":
        return (max(1, c - 1), r)
    if action == "right":
        return (min(cols, c + 1), r)
    if action == "up":
        return (c, max(1, r - 1))
    if action == "down":
        return (c, min(rows, r + 1))
    if action == "home":
        return (1, r)
    if action == "end":
        return (cols, r)
    # N and P: the next or previous tile of the cursor's picture in reading
    # order, round past the end; nowhere from an empty cell or a lone tile.
    mine = picture_at(cursor)
    if mine is None:
        return None
    if mine == EMPTY:
        return cursor
    step = 1 if action == "next" else -1
    cells, start = cols * rows, (r - 1) * cols + (c - 1)
    for n in range(1, cells):
        i = (start + step * n) % cells
        cell = (i % cols + 1, i // cols + 1)
        seen = picture_at(cell)
        if seen is None:
            return None
        if seen == mine:
            return cell
    return cursor


# ---- What Orca says of the game ----

@dataclass
class Facts:
    """What one stretch of speech told. cells: (col, row) -> picture heard
    there; at: the cursor's place, when spoken; here: the picture of the
    cursor's cell when it was spoken without a place (N on a lone tile or an
    empty cell); the outcome of a press: picked, linked, refused, unpicked
    (each the picture), score (after a link or T); won or timed_out when the
    level ended."""
    cells: dict = field(default_factory=dict)
    at: tuple = None
    here: str = None
    picked: str = None
    linked: str = None
    refused: str = None
    unpicked: str = None
    score: int = None
    seconds_left: int = None
    won: bool = False
    timed_out: bool = False

    def cursor_picture(self):
        """The picture heard for the cursor's cell, if any."""
        if self.at and self.at in self.cells:
            return self.cells[self.at]
        return self.here


PLACE = re.compile(r"第(\d+)行，第(\d+)列\.?")
PICKED = re.compile(r"([^，]+)，选中")
LINKED = re.compile(r"([^，]+)，消除，分数:(\d+)")
REFUSED = re.compile(r"([^，]+)，连不上，取消选中")
UNPICKED = re.compile(r"([^，]+)，取消选中")
STATUS = re.compile(r"剩余时间:(\d+)秒，分数:(\d+)")
WON = re.compile(r"哇塞，你过关了耶,真是NB！\.?")
TIMED_OUT = re.compile(r"对不起，时间到了!你的最后分数:(\d+)\.?")

# The kinds of the game's words, for the tally.
NAMES_CELL, NAMES_ROW = "picture names, a cell", "picture names, whole rows"
KINDS = (NAMES_CELL, NAMES_ROW, "places", "link", "pick", "refusal", "unpick", "time and score", "messages")


def _name(line):
    word = line[:-1] if line.endswith(".") else line
    return word if word in NAMES else None


def read(lines, cols):
    """The facts in lines (Orca's spoken texts, in order), and the kind of
    each line: one of KINDS, or None for words that are not the game's.
    A cell is spoken as its picture, then its place; a whole row (Orca's
    default on entering a row) as the pictures of its cols cells, then the
    cursor's place."""
    facts, kinds = Facts(), [None] * len(lines)
    names = []  # (index, picture) spoken since the last place

    def alone():
        # Pictures with no place after them: the cursor's cell, said alone.
        for i, picture in names:
            kinds[i] = NAMES_CELL
            facts.here = picture
        names.clear()

    for i, line in enumerate(lines):
        picture = _name(line)
        if picture is not None:
            names.append((i, picture))
            continue
        m = PLACE.fullmatch(line)
        if m:
            kinds[i] = "places"
            cell = (int(m.group(2)), int(m.group(1)))
            facts.at, facts.here = cell, None
            if len(names) >= cols:
                for col, (j, picture) in enumerate(names[-cols:], 1):
                    facts.cells[(col, cell[1])] = picture
                    kinds[j] = NAMES_ROW
                names[-cols:] = []
            elif names:
                j, picture = names.pop()
                facts.cells[cell] = picture
                kinds[j] = NAMES_CELL
            for j, _ in names:
                kinds[j] = NAMES_CELL
            names.clear()
            continue
        alone()
        if m := PICKED.fullmatch(line):
            kinds[i], facts.picked = "pick", m.group(1)
        elif m := LINKED.fullmatch(line):
            kinds[i], facts.linked, facts.score = "link", m.group(1), int(m.group(2))
        elif m := REFUSED.fullmatch(line):
            kinds[i], facts.refused = "refusal", m.group(1)
        elif m := UNPICKED.fullmatch(line):
            kinds[i], facts.unpicked = "unpick", m.group(1)
        elif m := STATUS.fullmatch(line):
            kinds[i], facts.seconds_left, facts.score = "time and score", int(m.group(1)), int(m.group(2))
        elif WON.fullmatch(line):
            kinds[i], facts.won = "messages", True
        elif m := TIMED_OUT.fullmatch(line):
            kinds[i], facts.timed_out, facts.score = "messages", True, int(m.group(1))
    alone()
    return facts, kinds


def ends(line):
    """Whether the line is the message of the level's end."""
    return bool(WON.fullmatch(line) or TIMED_OUT.fullmatch(line))


def answered(action, facts):
    """Whether the facts heard after a key answer it: a move is answered by
    the cursor's place (or its cell alone, when it did not move), a press by
    its outcome, the deal by the first cell's place; the end of the level
    answers anything."""
    if facts.won or facts.timed_out:
        return True
    if action in MOVES or action == "deal":
        return facts.at is not None or facts.here is not None
    if action == "press":
        return any(x is not None for x in (facts.picked, facts.linked, facts.refused, facts.unpicked))
    if action == "time":
        return facts.seconds_left is not None
    return True
