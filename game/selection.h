// Selecting tiles with the mouse: a press frames a tile, a release on the
// same tile selects it, and the second selected tile decides the pair.
#pragma once

#include <functional>

#include "state.h"

namespace mepo {

enum class Release {
    Nothing,       // outside the play area, an empty cell: nothing changes
    RestoreFrame,  // released on another cell than pressed: raise the pressed tile again
    Selected,      // the first tile of a pair is selected
    Failed,        // different pictures, the same tile twice, or no path
    Linked,        // a path was found; its link waits in s.pending
};

// True when (col, row) lies in the play area.
bool inPlayArea(const GameState& s, int col, int row);

// The press: stores the cell in every case and returns true when the cell
// holds a tile of the play area, which then takes the pressed frame.
bool pressCell(GameState& s, int col, int row);

// The release on (col, row). qx is passed on to the connection search.
Release releaseCell(GameState& s, int col, int row, const std::function<void()>& qx = {});

}  // namespace mepo
