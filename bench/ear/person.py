"""A person's way, with no memory of the board beyond the words just
heard: it reads the cursor's row (R) and links the pairs there that plainly
link, two tiles of a picture with nothing but empty cells between them, or
both on the top or bottom row, round which the ring runs; then it goes on
down the rows, and across the columns (C) in the same way. With what is
left it goes the old way: on a tile, pick it, jump to the next tile of its
picture (N) and try the pair; after a refusal, try that tile with the next
one; after four refusals, or on an empty cell, walk right to another
picture. It hears every answer at once and plays until the level ends."""

import words_and_keys as game

GIVE_UP = 4  # refusals of one picture before walking on
TRIES = 1000  # tries the old way between two sweeps


def plain_pairs(line, on_edge):
    """Pairs of indices of a line's tiles that plainly link, nearest first,
    none sharing a tile: neighbours through empty cells, or any two of a
    picture on an edge line."""
    pairs, used = [], set()
    for i, a in enumerate(line):
        if a == game.EMPTY or i in used:
            continue
        for j in range(i + 1, len(line)):
            b = line[j]
            if j in used:
                continue
            if b == a and (on_edge or all(x == game.EMPTY for x in line[i + 1:j])):
                pairs.append((i, j))
                used |= {i, j}
                break
            if b != game.EMPTY and not on_edge:
                break
    return pairs


def go(player, to):
    """Walks the cursor to a cell, with Home or End when that is shorter."""
    c, r = player.cursor
    tc, tr = to
    while r != tr:
        player.press("down" if tr > r else "up")
        if player.over():
            return False
        r = player.cursor[1]
    if tc - 1 < abs(tc - c) and tc < c:
        player.press("home")
    elif player.cols - tc < abs(tc - c) and tc > c:
        player.press("end")
    while not player.over() and player.cursor[0] != tc:
        player.press("right" if tc > player.cursor[0] else "left")
    return not player.over()


def link_line(player, action):
    """Reads the cursor's row or column and links its plain pairs; the
    number of pairs it linked."""
    heard = player.press(action)
    line = heard.facts.line
    if player.over() or line is None:
        return 0
    c, r = player.cursor
    if action == "row":
        cells, on_edge = [(i, r) for i in range(1, len(line) + 1)], r in (1, player.rows)
    else:
        cells, on_edge = [(c, j) for j in range(1, len(line) + 1)], c in (1, player.cols)
    linked = 0
    line = list(line)
    while not player.over() and (pairs := plain_pairs(line, on_edge)):
        i, j = pairs[0]
        a, b = cells[i], cells[j]
        # The nearer first.
        if abs(a[0] - c) + abs(a[1] - r) > abs(b[0] - c) + abs(b[1] - r):
            a, b = b, a
        if not go(player, a) or not player.press("press").facts.picked:
            return linked
        # Along a row the pair's other tile is the next of its picture in
        # reading order (nothing of it lies between): N reaches it at once.
        if action == "row" and all(line[k] != line[i] for k in range(i + 1, j)):
            player.press("next" if b[0] > a[0] else "previous")
        if player.cursor != b and not go(player, b):
            return linked
        if not player.press("press").facts.linked:
            return linked
        # The pair gone from the line just heard: it may have made another plain.
        linked += 1
        line[i] = line[j] = game.EMPTY
        c, r = player.cursor
    return linked


def walk(player):
    """One step right, or to the next row's start, or back to the top: the
    picture heard there, if any."""
    col, row = player.cursor
    if col < player.cols:
        return player.press("right").facts.here
    if row < player.rows:
        player.press("down")
        return player.press("home").facts.here
    player.press("home")
    for _ in range(player.rows - 1):
        player.press("up")
    return None


def try_pairs(player, here, tries):
    """The old way, for that many tries: on a tile, pick it, N to the next
    of its picture and press; after a refusal try that tile with the next
    one; after GIVE_UP refusals, or on an empty cell, walk on."""
    refusals, left = 0, None
    while not player.over() and tries > 0:
        if here is None or here == game.EMPTY or here == left:
            here = walk(player)
            continue
        left = None
        if not player.press("press").facts.picked:
            here = game.EMPTY
            continue
        if player.over():
            break
        player.press("next")
        if player.over():
            break
        tried = player.press("press").facts
        tries -= 1
        if tried.linked:
            refusals, here = 0, game.EMPTY
        elif tried.refused:
            refusals += 1
            if refusals >= GIVE_UP:
                refusals, left = 0, here


def sweep(player):
    """Down the rows and across the columns for the pairs that plainly link."""
    for row in range(1, player.rows + 1):
        if player.over() or not go(player, (player.cursor[0], row)):
            break
        link_line(player, "row")
    for col in range(1, player.cols + 1):
        if player.over() or not go(player, (col, player.cursor[1])):
            break
        link_line(player, "column")


def play(player, heard):
    # A sweep for the pairs that plainly link, then the old way with what is
    # left, a sweep again now and then: the links open new plain pairs.
    while not player.over():
        sweep(player)
        if not player.over():
            try_pairs(player, player.press("home").facts.here, TRIES)
    return player.ended
