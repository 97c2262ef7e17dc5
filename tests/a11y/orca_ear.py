"""What Orca has spoken, read from its debug log as it grows: one line
"SPEECH OUTPUT: '...'" per spoken text, each kept with the moment it was
read, and the time of day Orca wrote it."""
import re
import time

import game_on_the_bus

SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: ?\{.*\})?\s*$")
# Orca's debug lines begin with the time of day: "15:55:16.251467 - ".
STAMP = re.compile(r"(\d\d):(\d\d):(\d\d\.\d+) - ")


class Ear:
    """Orca's spoken lines so far (lines), when each was read (heard, on the
    monotonic clock) and when Orca wrote it (stamps, seconds since midnight,
    None on a line without its time). who names the caller in a failure."""

    def __init__(self, path, who):
        self.path, self.who, self.offset = path, who, 0
        self.lines, self.heard, self.stamps = [], [], []

    def _read(self):
        try:
            with open(self.path, encoding="utf-8", errors="replace") as f:
                f.seek(self.offset)
                chunk = f.read()
        except FileNotFoundError:
            return
        # Only whole lines: the last may still be being written.
        whole = chunk[: chunk.rfind("\n") + 1]
        self.offset += len(whole.encode("utf-8"))
        now = time.monotonic()
        for line in whole.splitlines():
            m = SPOKEN.search(line)
            if m:
                self.lines.append(m.group(1))
                self.heard.append(now)
                t = STAMP.match(line)
                self.stamps.append(int(t.group(1)) * 3600 + int(t.group(2)) * 60 + float(t.group(3)) if t else None)

    def mark(self):
        self._read()
        return len(self.lines)

    def expect(self, pattern, since, seconds=40):
        """The first line spoken after mark since that matches pattern."""
        deadline = time.monotonic() + seconds
        while True:
            self._read()
            for i in range(since, len(self.lines)):
                if re.fullmatch(pattern, self.lines[i]):
                    return i
            if time.monotonic() > deadline:
                game_on_the_bus.fail(self.who, f"Orca never said {pattern!r}; it said: {self.lines[since:]}")
            time.sleep(0.1)
