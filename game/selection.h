// Selecting tiles with the mouse: a press frames a tile, a release on the
// same tile selects it, and the second selected tile decides the pair.
#pragma once

#include "state.h"

namespace mepo {

enum class Release {
    Nothing,       // outside the play area, an empty cell: nothing changes
    RestoreFrame,  // released on another cell than pressed: raise the pressed tile again
    Selected,      // the first tile of a pair is selected
    // The pair is refused, and nothing stays selected, because ...
    SameTile,      // ... the selected tile was released on again
    OtherPicture,  // ... the two tiles show different pictures
    NoPath,        // ... no path of at most two turns joins them
    Linked,        // a path was found; its link waits in s.pending
};

struct ReleaseOutcome {
    Release what = Release::Nothing;
    // The search raised both picks' frames on its way (a blocked
    // same-column straight link), before it went round the side.
    bool framesRaised = false;
    bool refused() const {
        return what == Release::SameTile || what == Release::OtherPicture || what == Release::NoPath;
    }
};

// The cell under a position on the board, given in twips: a cell is 510
// twips (34 pixels) across, cell (0, 0) at the board's top-left corner. The
// position is taken to the nearest whole twip (halves to even) and divided
// by 510, dropping the fraction (toward zero).
int cellOfPosition(float twips);

// True when (col, row) lies in the play area.
bool inPlayArea(const GameState& s, int col, int row);

// The press: stores the cell in every case and returns true when the cell
// holds a tile of the play area, which then takes the pressed frame.
bool pressCell(GameState& s, int col, int row);

// The release on (col, row).
ReleaseOutcome releaseCell(GameState& s, int col, int row);

}  // namespace mepo
