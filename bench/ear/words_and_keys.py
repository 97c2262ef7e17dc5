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
  ends(line): whether it is the message of the level's end;
- cells_of(action, facts, cursor, cols, rows): the pictures the facts tell,
  at their cells, once the player knows where the cursor stands.

The game says what each key did, a place only when it is news: the deal its
level, place and picture (第1关，1行1列，鲸鱼); a step the picture it
reaches (鲸鱼), or 边 at the edge; Home and End the column and picture
(12列，企鹅); N and P the place alone (3行5列), or 没有; R and C the row or
column (鲸鱼、空3、企鹅); A the ways round the cursor (上企鹅，下空2鲸鱼，
左到边，右空到边); a press 选中, 消除, 连不上 or 取消; L, which tries the
cursor's tile with the next of its picture (the one after the last it
tried from there) and leaves the cursor, 连不上, or 消除 with the other
tile's place (消除，3行5列), or 没有; T 剩120秒，40分.

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
    "press": "space", "time": "t", "row": "r", "column": "c", "around": "a",
    "try": "l",
}
MOVES = ("left", "right", "up", "down", "home", "end", "next", "previous")
READS = ("row", "column", "around")
WAYS = {"上": (0, -1), "下": (0, 1), "左": (-1, 0), "右": (1, 0)}


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


def said(action, cursor, cols, rows, picture_at, level=1):
    """What the game says of a key, as Orca speaks it: the words of a move
    or a reading, given the pictures (picture_at) and where the cursor
    stands; None for a press (its words depend on the rules). The stand-in
    for the game in the tests speaks this way."""
    if action in MOVES:
        to = where(action, cursor, cols, rows, picture_at)
        if action in ("next", "previous"):
            return "没有" if to == cursor else f"{to[1]}行{to[0]}列"
        if action in ("home", "end"):
            return f"{to[0]}列，{picture_at(to)}"
        return "边" if to == cursor else picture_at(to)
    c, r = cursor
    if action == "row":
        return line_words([picture_at((i, r)) for i in range(1, cols + 1)])
    if action == "column":
        return line_words([picture_at((c, j)) for j in range(1, rows + 1)])
    if action == "around":
        out = []
        for way, (dc, dr) in WAYS.items():
            k, (x, y) = 0, (c + dc, r + dr)
            while 1 <= x <= cols and 1 <= y <= rows and picture_at((x, y)) == EMPTY:
                k, x, y = k + 1, x + dc, y + dr
            seen = (EMPTY + (str(k) if k > 1 else "")) if k else ""
            out.append(way + seen + ("到边" if not (1 <= x <= cols and 1 <= y <= rows) else picture_at((x, y))))
        return "，".join(out)
    if action == "deal":
        return f"第{level}关，1行1列，{picture_at((1, 1))}"
    return None


def line_words(names):
    """A row or a column in the game's words: runs of empty cells counted."""
    out, run = [], 0
    for n in list(names) + [None]:
        if n == EMPTY:
            run += 1
            continue
        if run:
            out.append(EMPTY + (str(run) if run > 1 else ""))
        run = 0
        if n is not None:
            out.append(n)
    return "、".join(out)


# ---- What Orca says of the game ----

@dataclass
class Facts:
    """What one stretch of speech told. at: the cursor's place, when spoken
    (the deal, N and P); column: the cursor's column (Home, End); here: the
    picture of the cursor's cell (a step, the deal, Home and End); edge: a
    step that went nowhere; none: N or P that found no other tile; line: the
    pictures of a row or column read, in order; around: for each way (上,
    下, 左, 右), the empty cells before what lies there and its picture, or
    None for the edge; picked, linked, refused, unpicked: a press's outcome;
    seconds_left (None without a clock) and score after T; won or
    timed_out when the level ended."""
    at: tuple = None
    column: int = None
    here: str = None
    edge: bool = False
    none: bool = False
    line: list = None
    around: dict = None
    picked: bool = False
    linked: bool = False
    refused: bool = False
    unpicked: bool = False
    other: tuple = None
    told_time: bool = False
    seconds_left: int = None
    score: int = None
    won: bool = False
    timed_out: bool = False

    def cursor_picture(self):
        """The picture heard for the cursor's cell, if any."""
        return self.here


TRIED = re.compile(r"消除，(\d+)行(\d+)列")  # a pair L linked
DEAL = re.compile(r"第\d+关，(\d+)行(\d+)列，(.+)")
PLACE = re.compile(r"(\d+)行(\d+)列")
PLACED = re.compile(r"(\d+)行(\d+)列，(.+)")  # the first key after the pointer
COLUMN = re.compile(r"(\d+)列，(.+)")
RUN = re.compile(r"空(\d*)")
AROUND = re.compile(r"上(.+)，下(.+)，左(.+)，右(.+)")
STATUS = re.compile(r"(?:剩(\d+)秒|不限时)，(\d+)分")
WON = re.compile(r"哇塞，你过关了耶,真是NB！\.?")
TIMED_OUT = re.compile(r"对不起，时间到了!你的最后分数:(\d+)\.?")
OUTCOMES = {"选中": "picked", "消除": "linked", "连不上": "refused", "取消": "unpicked"}

# The kinds of the game's words, for the tally.
NAMES_CELL, NAMES_ROW = "picture names, a cell", "rows and columns read"
KINDS = (NAMES_CELL, NAMES_ROW, "around", "places", "deal", "edge and none", "link", "pick", "refusal", "unpick",
         "time and score", "messages")


def _word(line):
    return line[:-1] if line.endswith(".") else line


def _items(words):
    """The pictures of a line's words, runs of empty cells counted out; None
    when they are not a line."""
    out = []
    for item in words.split("、"):
        m = RUN.fullmatch(item)
        if m:
            out += [EMPTY] * (int(m.group(1)) if m.group(1) else 1)
        elif item in NAMES:
            out.append(item)
        else:
            return None
    return out


def _way(words):
    """A way round the cursor: (empty cells, picture or None for the edge)."""
    m = re.fullmatch(r"(空(\d*))?(.+)", words)
    k = (int(m.group(2)) if m.group(2) else 1) if m.group(1) else 0
    return k, None if m.group(3) == "到边" else m.group(3)


def read(lines, cols):
    """The facts in lines (Orca's spoken texts, in order), and the kind of
    each line: one of KINDS, or None for words that are not the game's."""
    facts, kinds = Facts(), [None] * len(lines)
    for i, line in enumerate(lines):
        word = _word(line)
        if m := TRIED.fullmatch(word):
            kinds[i] = "link"
            facts.linked, facts.other = True, (int(m.group(2)), int(m.group(1)))
        elif m := DEAL.fullmatch(word):
            kinds[i] = "deal"
            facts.at, facts.here = (int(m.group(2)), int(m.group(1))), m.group(3)
        elif m := PLACED.fullmatch(word):
            kinds[i] = "places"
            facts.at, facts.here = (int(m.group(2)), int(m.group(1))), m.group(3)
        elif m := PLACE.fullmatch(word):
            kinds[i] = "places"
            facts.at = (int(m.group(2)), int(m.group(1)))
        elif m := COLUMN.fullmatch(word):
            kinds[i] = "places"
            facts.column, facts.here = int(m.group(1)), m.group(2)
        elif word in NAMES:
            kinds[i] = NAMES_CELL
            facts.here = word
        elif word in ("边", "没有"):
            kinds[i] = "edge and none"
            facts.edge, facts.none = word == "边", word == "没有"
        elif word in OUTCOMES:
            kinds[i] = {"picked": "pick", "linked": "link", "refused": "refusal", "unpicked": "unpick"}[OUTCOMES[word]]
            setattr(facts, OUTCOMES[word], True)
        elif m := AROUND.fullmatch(word):
            kinds[i] = "around"
            facts.around = {way: _way(m.group(n)) for n, way in enumerate(WAYS, 1)}
        elif (items := _items(word)) is not None and ("、" in word or RUN.fullmatch(word)):
            kinds[i] = NAMES_ROW
            facts.line = items
        elif m := STATUS.fullmatch(word):
            kinds[i] = "time and score"
            facts.told_time = True
            facts.seconds_left = int(m.group(1)) if m.group(1) else None
            facts.score = int(m.group(2))
        elif WON.fullmatch(line):
            kinds[i], facts.won = "messages", True
        elif m := TIMED_OUT.fullmatch(line):
            kinds[i], facts.timed_out, facts.score = "messages", True, int(m.group(1))
    return facts, kinds


def ends(line):
    """Whether the line is the message of the level's end."""
    return bool(WON.fullmatch(line) or TIMED_OUT.fullmatch(line))


def answered(action, facts):
    """Whether the facts heard after a key answer it; the end of the level
    answers anything."""
    if facts.won or facts.timed_out:
        return True
    if action == "deal":
        return facts.at is not None
    if action in ("next", "previous"):
        return facts.at is not None or facts.none
    if action in MOVES:
        return facts.here is not None or facts.edge
    if action == "try":
        return facts.linked or facts.refused or facts.none
    if action == "press":
        return facts.picked or facts.linked or facts.refused or facts.unpicked
    if action == "time":
        return facts.told_time
    if action in ("row", "column"):
        return facts.line is not None
    if action == "around":
        return facts.around is not None
    return True


def cells_of(action, facts, cursor, cols, rows):
    """The pictures the facts tell, by cell, the cursor standing at cursor
    (after the key)."""
    out = {}
    if cursor and facts.here is not None:
        out[cursor] = facts.here
    if not cursor:
        return out
    c, r = cursor
    if facts.line is not None:
        if action == "row" and len(facts.line) == cols:
            out.update({(i, r): p for i, p in enumerate(facts.line, 1)})
        elif action == "column" and len(facts.line) == rows:
            out.update({(c, j): p for j, p in enumerate(facts.line, 1)})
    if facts.around:
        for way, (k, picture) in facts.around.items():
            dc, dr = WAYS[way]
            for n in range(1, k + 1):
                out[(c + dc * n, r + dr * n)] = EMPTY
            if picture is not None:
                out[(c + dc * (k + 1), r + dr * (k + 1))] = picture
    return out
