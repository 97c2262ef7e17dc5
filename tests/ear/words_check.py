#!/usr/bin/python3
"""words_check.py: the by-ear player hears in Orca's words (lines as
Orca 43 speaks them of the game, copied from its debug logs) the facts they
tell, and counts each line as the words it is."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "bench", "ear"))
import orca_words  # noqa: E402
import tally  # noqa: E402
import words_and_keys as game  # noqa: E402

ROW = ["蛇.", "斑马.", "热带鱼.", "热带鱼.", "乌龟.", "鹦鹉.", "蛇.", "空.", "企鹅.", "章鱼.", "蛇.", "鲸鱼."]
wrong = []


def check(what, got, want):
    if got != want:
        wrong.append(f"{what}: {got!r}, not {want!r}")


# The deal at Orca's defaults: the board, then the whole first row and the place.
facts, kinds = game.read(["return ", "棋盘.", "table with 10 rows 12 columns"] + ROW + ["第1行，第1列."], 12)
check("a row", [facts.cells.get((c, 1)) for c in range(1, 13)], [w.rstrip(".") for w in ROW])
check("the cursor after a row", (facts.at, facts.cursor_picture()), ((1, 1), "蛇"))
check("a row's kinds", kinds[3:], [game.NAMES_ROW] * 12 + ["places"])

# A move with full rows off: one cell, then its place (row 10, column 12).
facts, kinds = game.read(["鲸鱼.", "第10行，第12列."], 12)
check("a cell", (facts.cells, facts.at), ({(12, 10): "鲸鱼"}, (12, 10)))
check("a cell's kinds", kinds, [game.NAMES_CELL, "places"])

# N on a lone tile or an empty cell: its name alone.
facts, kinds = game.read(["n ", "空."], 12)
check("a name alone", (facts.here, facts.at, facts.cells), (game.EMPTY, None, {}))

# The answers of a press.
facts, kinds = game.read(["space ", "selected", "热带鱼，选中"], 12)
check("a pick", (facts.picked, kinds[2]), ("热带鱼", "pick"))
facts, kinds = game.read(["space ", "热带鱼，消除，分数:120"], 12)
check("a link", (facts.linked, facts.score, facts.picked, kinds[1]), ("热带鱼", 120, None, "link"))
facts, kinds = game.read(["乌龟，连不上，取消选中"], 12)
check("a refusal", (facts.refused, facts.unpicked, facts.picked, kinds), ("乌龟", None, None, ["refusal"]))
facts, kinds = game.read(["unselected", "乌龟，取消选中"], 12)
check("an unpick", (facts.unpicked, facts.refused, kinds[1]), ("乌龟", None, "unpick"))
facts, _ = game.read(["t ", "剩余时间:161秒，分数:20"], 12)
check("T", (facts.seconds_left, facts.score), (161, 20))

# The level's ends.
end = ["蝴蝶，消除，分数:5370", "alert Mepo(Tazu造型版)", "哇塞，你过关了耶,真是NB！", "确定 push button."]
facts, _ = game.read(end, 12)
check("the level cleared", (facts.won, facts.linked), (True, "蝴蝶"))
facts, _ = game.read(["对不起，时间到了!你的最后分数:120."], 12)
check("the time-out", (facts.timed_out, facts.score), (True, 120))
check("answered", [game.answered("press", game.read(lines, 12)[0]) for lines in (["space "], ["space ", "selected"], end)],
      [False, False, True])

# Orca's own words, and the tally of a stretch of speech.
check("Orca's words", [orca_words.kind(w) for w in ("space ", "selected", "Mepo(Tazu造型版) frame.", "棋盘.", "蛇.")],
      [orca_words.KEY_ECHO, orca_words.ORCA_STATE, orca_words.ORCA_STATE, None, None])
check("the board's size", orca_words.table_size("table with 10 rows 12 columns"), (12, 10))
counted = tally.spoken(["space ", "selected", "热带鱼，选中", "棋盘."] + ROW + ["第1行，第1列."], 12)
check("characters", counted["chars"], 5 + 8 + 6 + 3 + sum(map(len, ROW)) + 8)
check("by kind", {k: v for k, v in counted["by kind"].items() if v[0]},
      {orca_words.KEY_ECHO: [1, 5], orca_words.ORCA_STATE: [1, 8], "pick": [1, 6], tally.REST: [1, 3],
       game.NAMES_ROW: [12, sum(map(len, ROW))], "places": [1, 8]})

if wrong:
    sys.exit("words_check:\n  " + "\n  ".join(wrong))
print("words_check: every line heard as it was meant")
