"""What was spoken, counted: characters of every line, by kind of words,
and the medians of several runs."""
import statistics

import orca_words
import words_and_keys as game

REST = "the rest"
KINDS = game.KINDS + orca_words.KINDS + (REST,)
CHARS_A_SECOND = 10


def spoken(lines, cols):
    """The characters of lines and, for each kind of words, its utterances
    and characters."""
    kinds = game.read(lines, cols)[1]
    by_kind = {k: [0, 0] for k in KINDS}
    for line, k in zip(lines, kinds):
        k = k or orca_words.kind(line) or REST
        by_kind[k][0] += 1
        by_kind[k][1] += len(line.strip())
    chars = sum(c for _, c in by_kind.values())
    return {"chars": chars, "listening": chars / CHARS_A_SECOND, "by kind": by_kind}


def p90(values):
    if not values:
        return None
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(round(0.9 * (len(ordered) - 1))))]


def median(values):
    values = [v for v in values if v is not None]
    return statistics.median(values) if values else None
