"""Perfect memory and the rules: remembers every picture it has heard and
where, and links the pair that costs the fewest characters to reach (to the
first tile and then to the second, with every moving key, each key weighed
by what it makes Orca say), found by the link rule itself. With no pair
known to link, it steps to the nearest cell it has not heard: a step names
the cell it reaches in fewer characters than a reading of its row does. It
stops when every cell is known and no pair links (stuck)."""
import heapq
from collections import Counter

import words_and_keys as game
from link_rule import Board

UNHEARD = 2  # the characters of a picture not yet heard, about


class Memory:
    """Every cell's picture as last heard; a cell never heard holds a tile
    (the level is dealt full, and only this player empties cells)."""

    def __init__(self, cols, rows):
        self.cols, self.rows = cols, rows
        self.pictures = {}
        self.linked = Counter()  # tiles linked away, by picture

    def learn(self, action, facts, before, after, picked):
        if action in ("next", "previous") and facts.at and before in self.pictures:
            self.pictures[after] = self.pictures[before]  # the same picture, elsewhere
        self.pictures.update(game.cells_of(action, facts, after, self.cols, self.rows))
        if facts.linked and picked:
            self.linked[self.pictures.get(picked)] += 2
            self.pictures[picked] = self.pictures[after] = game.EMPTY

    def board(self):
        return Board(self.cols, self.rows, (c for c, p in self.pictures.items() if p == game.EMPTY))

    def cost(self, action, to):
        """The characters a move to a cell makes Orca say: the picture for a
        step, the column and picture for Home and End, the place (and the
        key's echo) for N and P."""
        name = len(self.pictures.get(to, "?" * UNHEARD))
        if action in ("next", "previous"):
            return 1 + len(f"{to[1]}行{to[0]}列")
        if action in ("home", "end"):
            return len(f"{to[0]}列，") + name
        return name

    def steps(self):
        """For every cell, the cells each moving key takes the cursor to
        (those that can be told from what is known), with their cost."""
        cells = [(c, r) for r in range(1, self.rows + 1) for c in range(1, self.cols + 1)]
        known = Counter(p for p in self.pictures.values() if p != game.EMPTY)
        located = {p for p, n in known.items() if n == game.TILES_OF_A_PICTURE - self.linked[p]}
        other = lambda c: self.pictures.get(c, "another picture")  # noqa: E731
        out = {}
        for cell in cells:
            at = other if self.pictures.get(cell) in located else self.pictures.get
            out[cell] = []
            for action in game.MOVES:
                to = game.where(action, cell, self.cols, self.rows, at)
                if to is not None and to != cell:
                    out[cell].append((action, to, self.cost(action, to)))
        return out

    def unknown(self):
        return [(c, r) for r in range(1, self.rows + 1) for c in range(1, self.cols + 1)
                if (c, r) not in self.pictures]


def paths_from(start, steps):
    """The fewest characters from start to every cell: {cell: (cost, first action)}."""
    best = {start: (0, None)}
    queue = [(0, start, None)]
    while queue:
        cost, cell, first = heapq.heappop(queue)
        if best.get(cell, (None,))[0] != cost:
            continue
        for action, to, c in steps[cell]:
            if to not in best or cost + c < best[to][0]:
                best[to] = (cost + c, first or action)
                heapq.heappush(queue, (cost + c, to, first or action))
    return best


def choose(memory, cursor, picked, explore_first=False):
    """The next key: a move toward the cheapest linking pair known, the
    press, or a move toward the nearest cell not yet heard; None when
    stuck."""
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
    best, best_first = None, None
    for a in sorted((a for a in tiles if a in here), key=lambda a: here[a][0]):
        if best is not None and here[a][0] >= best:
            break
        partners = [b for b in tiles if b != a and pictures[b] == pictures[a] and board.links(a, b)]
        if not partners:
            continue
        there = paths_from(a, steps)
        cost = here[a][0] + min(there[b][0] for b in partners if b in there)
        if best is None or cost < best:
            best, best_first = cost, here[a][1] or "press"
    if best_first is not None:
        return best_first
    # Nothing known links: on to the nearest cell not heard, a step at a
    # time, which names it.
    unknown = [c for c in memory.unknown() if c in here]
    if unknown:
        return here[min(unknown, key=lambda c: here[c][0])][1]
    return None


def play(player, heard):
    """Plays from the deal (what it said: heard) to the level's end."""
    memory = Memory(player.cols, player.rows)
    picked = None
    memory.learn("deal", heard.facts, None, player.cursor, picked)
    while not player.over():
        action = choose(memory, player.cursor, picked)
        if action is None:
            # No pair to link: cleared, or stuck.
            player.listen(5)
            return player.ended or "stuck"
        before = player.cursor
        heard = player.press(action)
        f = heard.facts
        memory.learn(action, f, before, player.cursor, picked)
        if f.picked:
            picked = player.cursor
        if f.linked or f.refused or f.unpicked:
            picked = None
    return player.ended
