"""The tables of a benchmark by ear: each strategy at each of Orca's
settings, the medians of its runs, where the characters went, and the
targets the board's words are to meet."""
import tally
import words_and_keys as game

# (strategy, setting, most characters spoken): the board's targets.
CHAR_TARGETS = (("perfect", "defaults", 1800), ("perfect", "terse", 1200), ("person", "defaults", 4000))
ANSWER_TARGET = 0.2  # seconds, median


def summary(runs):
    """The medians of runs (result dicts of one strategy and setting)."""
    m = tally.median
    cleared = [r for r in runs if r["ending"] == "cleared"]
    answers = [tally.median(r["answers"]) for r in runs]
    kinds = {k: (m([r["by kind"][k][0] for r in runs]), m([r["by kind"][k][1] for r in runs])) for k in tally.KINDS}
    names = [sum(r["by kind"][k][i] for k in (game.NAMES_CELL, game.NAMES_ROW)) for r in runs for i in (0, 1)]
    kinds["picture names, all"] = (m(names[0::2]), m(names[1::2]))
    return {
        "runs": len(runs),
        "pairs": m([r["pairs"] for r in runs]),
        "cleared": len(cleared),
        "seconds": m([r["seconds"] for r in cleared]),
        "endings": sorted({r["ending"] for r in runs}),
        "keys": m([r["keys"] for r in runs]),
        "tries": m([r["tries"] for r in runs]),
        "refusals": m([r["refusals"] for r in runs]),
        "answer": m(answers),
        "answer p90": m([tally.p90(r["answers"]) for r in runs]),
        "chars": m([r["chars"] for r in runs]),
        "listening": m([r["listening"] for r in runs]),
        "by kind": kinds,
    }


def _n(v, digits=0):
    if v is None:
        return "-"
    return f"{v:,.{digits}f}".replace(",", " ")


def _table(head, rows):
    widths = [max(len(str(x)) for x in col) for col in zip(head, *rows)]
    line = lambda cells: "| " + " | ".join(str(c).ljust(w) for c, w in zip(cells, widths)) + " |"
    return "\n".join([line(head), "|" + "|".join("-" * (w + 2) for w in widths) + "|"] + [line(r) for r in rows])


def tables(summaries):
    """summaries: {(strategy, setting): summary}. The text of the report."""
    keys = list(summaries)
    out = []
    rows = []
    for (strategy, setting) in keys:
        s = summaries[(strategy, setting)]
        cleared = f"{s['cleared']}/{s['runs']}" + (f" in {_n(s['seconds'], 1)} s" if s["cleared"] else "")
        rows.append([strategy, setting, _n(s["pairs"]), cleared, _n(s["keys"]), _n(s["tries"]), _n(s["refusals"]),
                     f"{_n(s['answer'], 3)} / {_n(s['answer p90'], 3)} s", _n(s["chars"]), _n(s["listening"]) + " s"])
    out.append("Medians of the runs (Orca: defaults, or terse = speak full row off and key echo off)\n")
    out.append(_table(["strategy", "Orca", "pairs of 60", "cleared", "keys", "tries", "refused",
                       "answer to a key (median / p90)", "characters", "listening at 10/s"], rows))
    kinds = list(tally.KINDS) + ["picture names, all"]
    rows = [[k] + [f"{_n(summaries[g]['by kind'][k][0])} / {_n(summaries[g]['by kind'][k][1])}" for g in keys]
            for k in kinds]
    out.append("\nWhere the characters went (utterances / characters, medians)\n")
    out.append(_table(["words"] + [f"{a}, {b}" for a, b in keys], rows))
    out.append("\nTargets")
    for strategy, setting, most in CHAR_TARGETS:
        s = summaries.get((strategy, setting))
        if s:
            met = "met" if s["chars"] <= most else "not yet"
            out.append(f"  {strategy}, {setting}: at most {_n(most)} characters: {_n(s['chars'])}, {met}")
    for g in keys:
        a = summaries[g]["answer"]
        if a is not None:
            met = "met" if a <= ANSWER_TARGET else "not yet"
            out.append(f"  {g[0]}, {g[1]}: answer to a key at most {ANSWER_TARGET} s (median): {a:.3f} s, {met}")
    return "\n".join(out) + "\n"
