// The board as a screen reader finds it: Picture1 is a table named 棋盘 of
// rows x cols cells, the tiles' area without the ring. The table's row i and
// column j are the board's row i + 1 and column j + 1, and each cell says so
// in its description. A cell is named after its tile's picture in Chinese
// (企鹅), or 空 once empty; it is selected while its tile is the first of a
// pair, and focused where the keyboard cursor stands while the board has the
// focus. Cells read the game's state whenever they are asked; the game only
// tells when cells change, and each move of the cursor is read aloud.
#pragma once

#include <QString>

#include "game/selection.h"

namespace mepo {

class Form1;

// Makes the form's board a table for screen readers and has the cursor's
// moves read aloud; from the form's constructor, once board and cursor exist.
void installBoardAccess(Form1& form);
// From the form's destructor, before its state goes.
void removeBoardAccess(Form1& form);

// What a screen reader calls a tile: its picture's Chinese name, as the
// board draws it from the sheet; 空 for an empty cell (code 0).
QString tileName(int code);

// A release on the board changed cells: the first tile became selected, or
// the pair lost its selection and, linked, its tiles.
void announceRelease(const Form1& form, Release outcome);
// A deal changed every cell, and perhaps the table's size.
void announceDeal(const Form1& form);

}  // namespace mepo
