"""Orca's own words, beside the game's: its echo of a key, its state and
role words, the board's size in rows and columns, and its settings."""
import json
import os
import re

KEY_ECHO, ORCA_STATE = "Orca's key echo", "Orca's state and role words"
KINDS = (KEY_ECHO, ORCA_STATE)

# A key is echoed as its name and its locking state, empty but for the
# locking keys: "space ".
ECHO = re.compile(r"\S+ (?:on|off)?")
STATES = frozenset({"selected", "unselected", "not selected"})
ROLE = re.compile(r"table with \d+ rows? \d+ columns?\.?|.* (?:frame|push button|dialog)\.?|alert .*|Screen reader (?:on|off)\.")
TABLE = re.compile(r"table with (\d+) rows? (\d+) columns?\.?")


def kind(line):
    """KEY_ECHO, ORCA_STATE, or None for a line that is not Orca's own."""
    if ECHO.fullmatch(line):
        return KEY_ECHO
    if line.rstrip(".") in STATES or ROLE.fullmatch(line):
        return ORCA_STATE
    return None


def table_size(line):
    """(cols, rows) of a table Orca announces, or None."""
    m = TABLE.fullmatch(line)
    return (int(m.group(2)), int(m.group(1))) if m else None


def frame(title):
    """The pattern of Orca's line for a window of that title taking the focus."""
    return re.escape(f"{title} frame") + r"\.?"


# Orca's settings to try besides its defaults, named as in its settings.py.
SETTINGS = {
    "defaults": {},
    "terse": {"readFullRowInGUITable": False, "enableKeyEcho": False},
}


def write_settings(home, name):
    """Orca's user settings under home for the setting of that name; for its
    defaults, none: Orca writes its own on first start."""
    changed = SETTINGS[name]
    if not changed:
        return
    folder = os.path.join(home, ".local", "share", "orca")
    os.makedirs(folder, exist_ok=True)
    prefs = {
        "general": dict(changed),
        "profiles": {"default": dict(changed, profile=["Default", "default"])},
        "pronunciations": {},
        "keybindings": {},
    }
    with open(os.path.join(folder, "user-settings.conf"), "w", encoding="utf-8") as f:
        json.dump(prefs, f, indent=4)
