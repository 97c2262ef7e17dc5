"""What the accessibility tests share: waiting for something to show on the
bus, finding the game's objects, and the pictures' Chinese names."""
import re
import sys
import time

import pyatspi

# Called before a wait gives up, with its reason (a test ends its game).
on_failure = []


def fail(who, why):
    for hook in on_failure:
        hook()
    sys.exit(f"{who}: {why}")


def wait_for(who, what, find, seconds=30):
    """What find returns once it is something, polled until seconds have passed."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.2)
    fail(who, f"no {what} after {seconds} s")


def find(root, role, name, any_name=False):
    """The first accessible of that role and name (or of any name) under
    root; cells are not searched."""
    if root.getRole() == role and (any_name or root.name == name):
        return root
    if root.getRole() != pyatspi.ROLE_TABLE:
        for child in root:
            found = child and find(child, role, name, any_name)
            if found:
                return found
    return None


def game_app(who):
    """The running game, once it is on the bus with its window."""
    return wait_for(who, "game on the bus", lambda: next(
        (a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "mepo" and a.childCount), None))


def picture_names(pictures_h):
    """The Chinese names of the sixty pictures, in sheet order."""
    with open(pictures_h, encoding="utf-8") as f:
        return re.findall(r'\{0x[0-9A-Fa-f]+, "[^"]*", "([^"]*)"\}', f.read())
