// The board as a screen reader finds it: the board's widget is a table named
// 棋盘 of rows x cols cells, the tiles' area without the ring; its row i and
// column j are the board's row i + 1 and column j + 1, and each cell says so
// in its description (第3行，第4列). A cell is named after its tile's
// picture (企鹅), or 空 once empty or while the board is blank; it is
// selected while its tile is the first of a pair. The table keeps the focus
// itself: the game's words tell where the cursor goes. After its cells, the
// table lists the board's own child widgets (the hidden tile sheet), so
// that every object's parent lists it.
//
// Cells read the game whenever they are asked; the view tells the readers
// what changed, in the events Qt's AT-SPI bridge passes on.
#pragma once

#include "game/state.h"

class QAccessibleInterface;

namespace mepo {

class BoardTable;
class BoardView;

class BoardAccess {
public:
    explicit BoardAccess(BoardView& view);
    ~BoardAccess();
    // Makes the view's board a table for screen readers, once the board
    // carries the view.
    void install();
    BoardAccess(const BoardAccess&) = delete;
    BoardAccess& operator=(const BoardAccess&) = delete;

    // The table, null until a reader has asked for the board.
    QAccessibleInterface* table() const;
    // The table's cell for a board cell; null outside the table, or while
    // no reader has asked for the board.
    QAccessibleInterface* cell(Cell c) const;

    // The cell's tile was picked, or lost its pick.
    void selectionChanged(Cell c);
    // Every cell may have a new name (a deal, a time-out).
    void renamed();
    // The cells' names changed at these cells (a link).
    void renamed(Cell a, Cell b);
    // The table takes the board's size: the cells that leave it and those
    // that join it are told.
    void reshape();

private:
    friend class BoardTable;
    BoardView& view_;
    BoardTable* table_ = nullptr;  // made by Qt when a reader first asks
};

}  // namespace mepo
