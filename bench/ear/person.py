"""A person's way, with no memory of the board beyond the words just
heard: on a tile, try it with the next tile of its picture (L, which picks
it and presses the other, and leaves the cursor on it); after a refusal,
try it with the next one (L again); after four refusals, a link, or on an
empty cell, walk right to another picture, row after row, round to the top
again. It hears every answer at once and plays until the level ends."""

import words_and_keys as game

GIVE_UP = 4  # refusals of one tile before walking on


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


def play(player, heard):
    here, refusals = heard.facts.here, 0
    while not player.over():
        if here is None or here == game.EMPTY or refusals >= GIVE_UP:
            here, refusals = walk(player), 0
            continue
        tried = player.press("try").facts
        if tried.refused:
            refusals += 1
        else:
            here = game.EMPTY  # linked, or a lone tile: walk on
    return player.ended
