"""A person's way, with no memory of the board: on a tile, pick it, jump to
the next tile of its picture (N) and try the pair; after a refusal, try that
tile with the next one; after four refusals, or on an empty cell, walk right
(then down, round to the top) to another picture. It hears every answer at
once and plays until the level ends."""

import words_and_keys as game

GIVE_UP = 4


def walk(player):
    """One step right, or to the next row's start, or back to the top."""
    col, row = player.cursor
    if col < player.cols:
        return [player.press("right")]
    if row < player.rows:
        return [player.press("down"), player.press("home")]
    return [player.press("home")] + [player.press("up") for _ in range(player.rows - 1)]


def picture_after(heards, before):
    for heard in reversed(heards):
        p = heard.facts.cursor_picture()
        if p is not None:
            return p
    return before


def play(player, heard):
    here = heard.facts.cursor_picture()
    refusals, left = 0, None  # the picture walked away from
    while not player.over():
        if here is None or here == game.EMPTY or here == left:
            here = picture_after(walk(player), None)
            continue
        left = None
        pick = player.press("press")
        if player.over():
            break
        if not pick.facts.picked:  # not a tile after all
            here = game.EMPTY
            continue
        jump = player.press("next")
        here = picture_after([jump], here)
        if player.over():
            break
        tried = player.press("press")
        if tried.facts.linked:
            refusals, here = 0, game.EMPTY
        elif tried.facts.refused:
            refusals += 1
            if refusals >= GIVE_UP:
                refusals, left = 0, here
    return player.ended
