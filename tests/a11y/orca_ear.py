"""What Orca has spoken, read from its debug log as it grows: one line
"SPEECH OUTPUT: '...'" per spoken text, each kept with the moment it was
read."""
import re
import time

import game_on_the_bus

SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: ?\{.*\})?\s*$")


class Ear:
    """Orca's spoken lines so far (lines), and when each was read (heard, on
    the monotonic clock). who names the caller in a failure."""

    def __init__(self, path, who):
        self.path, self.who, self.offset = path, who, 0
        self.lines, self.heard = [], []

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
