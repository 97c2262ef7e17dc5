"""Perfect memory and the rules: remembers every picture it has heard and
where, and links the pair nearest its cursor (fewest keys to the first tile
and then to the second, with every moving key), found by the link rule
itself. With no pair known to link, it goes to the nearest cell it has not
heard. It stops when every cell is known and no pair links (stuck)."""
from collections import Counter, deque

import words_and_keys as game
from link_rule import Board

OTHER = "another picture"  # an unheard cell, where a located picture is not


class Memory:
    """Every cell's picture as last heard; a cell never heard holds a tile
    (the level is dealt full, and only this player empties cells)."""

    def __init__(self, cols, rows):
        self.cols, self.rows = cols, rows
        self.pictures = {}
        self.linked = Counter()  # tiles linked away, by picture

    def learn(self, facts, cursor, picked):
        self.pictures.update(facts.cells)
        if facts.here is not None and cursor:
            self.pictures[cursor] = facts.here
        if facts.linked and picked:
            self.pictures[picked] = self.pictures[cursor] = game.EMPTY
            self.linked[facts.linked] += 2

    def board(self):
        return Board(self.cols, self.rows, (c for c, p in self.pictures.items() if p == game.EMPTY))

    def steps(self):
        """For every cell, the cells each moving key takes the cursor to
        (those that can be told from what is known)."""
        cells = [(c, r) for r in range(1, self.rows + 1) for c in range(1, self.cols + 1)]
        # A picture whose every tile left is known: no unheard cell holds
        # it, and N and P pass over those cells.
        known = Counter(p for p in self.pictures.values() if p != game.EMPTY)
        located = {p for p, n in known.items() if n == game.TILES_OF_A_PICTURE - self.linked[p]}
        every = self.pictures.get
        or_other = lambda c: self.pictures.get(c, OTHER)  # noqa: E731
        out = {}
        for cell in cells:
            at = or_other if self.pictures.get(cell) in located else every
            out[cell] = []
            for action in game.MOVES:
                to = game.where(action, cell, self.cols, self.rows, at)
                if to is not None and to != cell:
                    out[cell].append((action, to))
        return out

    def unknown(self):
        return [(c, r) for r in range(1, self.rows + 1) for c in range(1, self.cols + 1)
                if (c, r) not in self.pictures]


def paths_from(start, steps):
    """The fewest keys from start to every cell: {cell: (keys, first action)}."""
    best = {start: (0, None)}
    queue = deque([start])
    while queue:
        cell = queue.popleft()
        keys, first = best[cell]
        for action, to in steps[cell]:
            if to not in best:
                best[to] = (keys + 1, first or action)
                queue.append(to)
    return best


def choose(memory, cursor, picked):
    """The next key: a move toward the nearest linking pair, or the press;
    None when stuck."""
    steps = memory.steps()
    here = paths_from(cursor, steps)
    board = memory.board()
    pictures = memory.pictures
    tiles = [c for c, p in pictures.items() if p != game.EMPTY]
    if picked:
        partners = [b for b in tiles if b != picked and pictures[b] == pictures[picked] and b in here
                    and board.links(picked, b)]
        if partners:
            b = min(partners, key=lambda b: here[b][0])
            return here[b][1] or "press"
        return here[picked][1] or "press"  # nothing to link it with: let it go
    # Pairs by the keys to the first tile; the second is reached from there.
    best, best_first = None, None
    for a in sorted((a for a in tiles if a in here), key=lambda a: here[a][0]):
        if best is not None and here[a][0] + 1 >= best:
            break
        partners = [b for b in tiles if b != a and pictures[b] == pictures[a] and board.links(a, b)]
        if not partners:
            continue
        there = paths_from(a, steps)
        cost = here[a][0] + min(there[b][0] for b in partners if b in there)
        if best is None or cost < best:
            best, best_first = cost, here[a][1] or "press"
    if best is not None:
        return best_first
    unknown = [c for c in memory.unknown() if c in here]
    if unknown:
        return here[min(unknown, key=lambda c: here[c][0])][1]
    return None


def play(player, heard):
    """Plays from the deal (what it said: heard) to the level's end."""
    memory = Memory(player.cols, player.rows)
    picked = None
    memory.learn(heard.facts, player.cursor, picked)
    while not player.over():
        action = choose(memory, player.cursor, picked)
        if action is None:
            # Every cell known and no pair to link: cleared, or stuck.
            player.listen(5)
            return player.ended or "stuck"
        heard = player.press(action)
        f = heard.facts
        memory.learn(f, player.cursor, picked)
        if f.picked:
            picked = player.cursor
        if f.linked or f.refused or f.unpicked:
            picked = None
    return player.ended
