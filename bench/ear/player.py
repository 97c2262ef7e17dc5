"""The player's hands and ears: it presses a key with xdotool, waits for
Orca's words caused by it (until they answer the key and the log has been
quiet for a moment, or a generous limit has passed), and gives back what
they told. Every key is a line of the trace. It knows the game only through
words_and_keys, and Orca's speech only through its debug log."""
import subprocess
import time
from dataclasses import dataclass
from datetime import datetime

import orca_words
import words_and_keys as game

POLL = 0.01
LONGEST = 240  # seconds from the deal: the level's clock gives 180


def time_of_day():
    now = datetime.now()
    return now.hour * 3600 + now.minute * 60 + now.second + now.microsecond / 1e6


@dataclass
class Heard:
    """What followed one key: Orca's lines, their facts, and the seconds
    from the key to the first of them that is not its echo (None when
    nothing else was said)."""
    lines: list
    facts: game.Facts
    answer: float = None
    times: list = None  # when each line was read, on the monotonic clock


class Player:
    """Presses keys and keeps the tally of the game: keys, tries, refusals,
    pairs, the answers, the cursor's place, and how the level ended
    ("cleared", "timed out", or "no end heard") and when (end_seconds, from
    the deal's key)."""

    def __init__(self, ear, trace, quiet=0.05, limit=8.0):
        self.ear, self.trace = ear, trace
        self.quiet, self.limit = quiet, limit
        self.cols, self.rows = game.LEVEL_1
        self.keys = self.tries = self.refusals = self.pairs = 0
        self.answers = []  # each key's answer, None for a key nothing answered
        self.cursor = None
        self.score = 0
        self.started = None  # the deal's key, on the monotonic clock
        self.first_line = None  # the index of the deal's first line in ear.lines
        self.ended = self.end_seconds = None
        self.answered = True  # whether the last key's words answered it
        print("t\tkey\tanswer\tchars\tcursor\tspoken", file=trace, flush=True)

    def press(self, action):
        """Presses the key of action and listens to what it causes."""
        key = game.KEYS[action]
        since = self.ear.mark()
        sent, sent_at = time.monotonic(), time_of_day()
        subprocess.run(["xdotool", "key", key], check=True)
        if action == "deal":
            self.started, self.first_line = sent, since
        if action != "menu":
            self.keys += 1
        deadline = sent + self.limit
        while True:
            count = self.ear.mark()
            now = time.monotonic()
            if count > since:
                facts = game.read(self.ear.lines[since:count], self.cols)[0]
                if game.answered(action, facts) and now - self.ear.heard[-1] >= self.quiet:
                    break
            elif action == "menu" and now - sent >= 1.0:
                break
            if now > deadline:
                break
            time.sleep(POLL)
        heard = self._heard(since, count)
        lines = heard.lines
        self.answered = game.answered(action, heard.facts)
        # The game's answer: Orca's first line after the key other than its
        # echo of the key itself, which comes at once whatever the game does.
        first = next((since + i for i, line in enumerate(lines) if orca_words.kind(line) != orca_words.KEY_ECHO), None)
        if first is not None and self.ear.stamps[first] is not None:
            heard.answer = (self.ear.stamps[first] - sent_at + 43200) % 86400 - 43200  # across midnight
        if action != "menu":
            self.answers.append(heard.answer)
        self._learn(heard, action)
        self._write(key, heard)
        return heard

    def listen(self, seconds):
        """Listens without a key until the level ends or seconds have passed
        (the end's message may come a moment after the last key's answer)."""
        since = self.ear.mark()
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            time.sleep(POLL)
            facts = game.read(self.ear.lines[since:self.ear.mark()], self.cols)[0]
            if facts.won or facts.timed_out:
                break
        heard = self._heard(since, self.ear.mark())
        self._learn(heard, None)
        self._write("(none)", heard)
        return heard

    def _heard(self, since, count):
        lines = self.ear.lines[since:count]
        return Heard(lines, game.read(lines, self.cols)[0], times=self.ear.heard[since:count])

    def _learn(self, heard, action):
        f = heard.facts
        for line in heard.lines:
            size = orca_words.table_size(line)
            if size:
                self.cols, self.rows = size
        # Where the cursor goes: said with a place (the deal, N and P), a
        # column (Home and End), or known from the key (an arrow's step, or
        # none at the edge).
        if f.at:
            self.cursor = f.at
        elif self.cursor and f.column and action in ("home", "end"):
            self.cursor = (f.column, self.cursor[1])
        elif self.cursor and action in ("left", "right", "up", "down") and f.here is not None and not f.edge:
            self.cursor = game.where(action, self.cursor, self.cols, self.rows, lambda cell: None)
        if f.score is not None:
            self.score = f.score
        if f.linked or f.refused:
            self.tries += 1
        if f.refused:
            self.refusals += 1
        if f.linked:
            self.pairs += 1
        if (f.won or f.timed_out) and not self.ended:
            self.ended = "cleared" if f.won else "timed out"
            # From the deal's key to the end's message, as it was read.
            ends = [t for line, t in zip(heard.lines, heard.times) if game.ends(line)]
            if self.started and ends:
                self.end_seconds = ends[0] - self.started

    def _write(self, key, heard):
        t = time.monotonic() - self.started if self.started else 0.0
        answer = "-" if heard.answer is None else f"{heard.answer:.3f}"
        chars = sum(len(line.strip()) for line in heard.lines)
        cursor = "-" if not self.cursor else f"{self.cursor[0]},{self.cursor[1]}"
        print(f"{t:.3f}\t{key}\t{answer}\t{chars}\t{cursor}\t{' | '.join(heard.lines)}", file=self.trace, flush=True)

    def over(self):
        """The level has ended. Its clock has run out too when a key goes
        unanswered past its time: the key may have closed the time-out's
        message before Orca read it."""
        if self.ended is None and self.started:
            past = time.monotonic() - self.started
            if past > game.SECONDS_A_LEVEL and not self.answered:
                self.ended, self.end_seconds = "timed out", game.SECONDS_A_LEVEL
            elif past > LONGEST:
                self.ended = "no end heard"
        return self.ended is not None
