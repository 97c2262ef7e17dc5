#!/usr/bin/python3
"""words_check.py: the by-ear player hears in Orca's words (lines as
Orca 43 speaks them of the game) the facts they tell, places the cells they
name once it knows where the cursor stands, and counts each line as the
words it is."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "bench", "ear"))
import orca_words  # noqa: E402
import tally  # noqa: E402
import words_and_keys as game  # noqa: E402

wrong = []


def check(what, got, want):
    if got != want:
        wrong.append(f"{what}: {got!r}, not {want!r}")


# The deal at Orca's defaults: the board's name and size, then the game's words.
facts, kinds = game.read(["return ", "棋盘.", "table with 10 rows 12 columns.", "第1关，1行1列，蛇"], 12)
check("the deal", (facts.at, facts.here), ((1, 1), "蛇"))
check("the deal's kinds", kinds, [None, None, None, "deal"])
check("the board's size", orca_words.table_size("table with 10 rows 12 columns."), (12, 10))

# A step names the cell it reaches; at the edge, 边; Home and End the column.
facts, kinds = game.read(["鲸鱼"], 12)
check("a step", (facts.here, facts.at, kinds), ("鲸鱼", None, [game.NAMES_CELL]))
check("a step placed", game.cells_of("right", facts, (4, 2), 12, 10), {(4, 2): "鲸鱼"})
facts, _ = game.read(["边"], 12)
check("the edge", (facts.edge, game.answered("left", facts)), (True, True))
facts, _ = game.read(["12列，企鹅"], 12)
check("End", (facts.column, facts.here), (12, "企鹅"))

# N and P: the place alone, or 没有.
facts, kinds = game.read(["n ", "3行5列"], 12)
check("a jump", (facts.at, kinds), ((5, 3), [None, "places"]))
facts, _ = game.read(["p ", "没有"], 12)
check("no other", (facts.none, game.answered("previous", facts)), (True, True))

# R, C and A.
facts, kinds = game.read(["r ", "蛇、空3、斑马、空7"], 12)
check("a row", facts.line, ["蛇"] + ["空"] * 3 + ["斑马"] + ["空"] * 7)
check("a row placed", game.cells_of("row", facts, (2, 4), 12, 10)[(5, 4)], "斑马")
facts, _ = game.read(["空12"], 12)
check("an empty row", facts.line, ["空"] * 12)
facts, kinds = game.read(["a ", "上企鹅，下空2鲸鱼，左到边，右空到边"], 12)
check("around", facts.around, {"上": (0, "企鹅"), "下": (2, "鲸鱼"), "左": (0, None), "右": (1, None)})
check("around placed", game.cells_of("around", facts, (1, 5), 12, 10),
      {(1, 4): "企鹅", (1, 6): "空", (1, 7): "空", (1, 8): "鲸鱼", (2, 5): "空"})

# The answers of a press, and T.
for words, outcome in (("选中", "picked"), ("消除", "linked"), ("连不上", "refused"), ("取消", "unpicked")):
    facts, kinds = game.read(["space ", words], 12)
    check(words, (getattr(facts, outcome), game.answered("press", facts)), (True, True))
# L: 连不上, or 消除 and where the other tile was, the cursor left where it is.
facts, kinds = game.read(["l ", "消除，3行5列"], 12)
check("L linked", (facts.linked, facts.other, facts.at, kinds[1], game.answered("try", facts)),
      (True, (5, 3), None, "link", True))
check("L refused", game.answered("try", game.read(["l ", "连不上"], 12)[0]), True)
check("a press unanswered", game.answered("press", game.read(["space "], 12)[0]), False)
facts, _ = game.read(["t ", "剩161秒，20分"], 12)
check("T", (facts.seconds_left, facts.score), (161, 20))
facts, _ = game.read(["不限时，40分"], 12)
check("T without a clock", (facts.told_time, facts.seconds_left, facts.score), (True, None, 40))

# The level's ends.
facts, _ = game.read(["消除", "alert Mepo(Tazu造型版)", "哇塞，你过关了耶,真是NB！", "确定 push button."], 12)
check("the level cleared", (facts.won, facts.linked), (True, True))
facts, _ = game.read(["对不起，时间到了!你的最后分数:120."], 12)
check("the time-out", (facts.timed_out, facts.score), (True, 120))

# What the stand-in says is what the player reads.
grid = {(c, r): "蛇" if (c + r) % 3 else "空" for c in range(1, 13) for r in range(1, 11)}
line = game.said("row", (1, 2), 12, 10, grid.get)
check("said and read", game.read([line], 12)[0].line, [grid[(c, 2)] for c in range(1, 13)])

# Orca's own words, and the tally of a stretch of speech.
check("Orca's words", [orca_words.kind(w) for w in ("space ", "selected", "Mepo(Tazu造型版) frame.", "棋盘.", "蛇.")],
      [orca_words.KEY_ECHO, orca_words.ORCA_STATE, orca_words.ORCA_STATE, None, None])
counted = tally.spoken(["space ", "选中", "r ", "蛇、空3"], 12)
check("characters", counted["chars"], 5 + 2 + 1 + 4)
check("by kind", {k: v for k, v in counted["by kind"].items() if v[0]},
      {orca_words.KEY_ECHO: [2, 6], "pick": [1, 2], game.NAMES_ROW: [1, 4]})

if wrong:
    sys.exit("words_check:\n  " + "\n  ".join(wrong))
print("words_check: every line heard as it was meant")
