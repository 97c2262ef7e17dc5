// Finding the other tiles of a picture: from a cell of the play area, the
// next (or previous) tile with the same code in reading order, row by row
// from the top left, wrapping round past the last cell to the first. A
// player who cannot see the board uses it as the glance over the board that
// finds a picture's tiles; it says nothing of which pairs can link.
#pragma once

#include <optional>

#include "state.h"

namespace mepo {

// step +1 for the next tile, -1 for the previous. Nothing when the cell is
// empty or outside the play area, or when no other tile has its code.
std::optional<Cell> sameTile(const GameState& s, Cell from, int step);

}  // namespace mepo
