// The connection search: can the two picked tiles be joined by a path of at
// most three straight segments (two turns) through empty cells, the empty
// ring around the play area included?
#pragma once

#include <functional>

#include "state.h"

namespace mepo {

// Exchanges the columns and rows of the two picks; the codes stay.
void xchg(GameState& s);

// Searches from pick 1 to pick 2 in the fixed order of shapes and scans.
// On success writes the corner points to s.path (column -1 after the last
// point) and returns true. qx is called when a same-column straight link is
// blocked: both frames are then redrawn raised at once, before the search goes
// round the side. The search may exchange the picks (around above, below, left
// or right, point 1 is the upper or the left tile).
bool connect(GameState& s, const std::function<void()>& qx = {});

// The points of s.path, up to the first column of -1.
std::vector<Cell> pathPoints(const GameState& s);

}  // namespace mepo
