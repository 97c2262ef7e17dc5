// The connection search: can the two picked tiles be joined by a path of at
// most three straight segments (two turns) through empty cells, the empty
// ring around the play area included?
#pragma once

#include <vector>

#include "state.h"

namespace mepo {

// Exchanges the columns and rows of the two picks; the codes stay.
void xchg(GameState& s);

// What a search found. It draws nothing: whoever shows the board does what
// it reports.
struct Connection {
    bool linked = false;  // s.path holds the link
    // A same-column straight link was blocked: both picks' frames are raised
    // at that moment, before the search goes round the side (and before the
    // link, if one is found there, is drawn).
    bool framesRaised = false;
    explicit operator bool() const { return linked; }
};

// Searches from pick 1 to pick 2 in the fixed order of shapes and scans.
// On success writes the corner points to s.path (column -1 after the last
// point). The search may exchange the picks (around above, below, left or
// right, point 1 is the upper or the left tile).
Connection connect(GameState& s);

// The points of s.path, up to the first column of -1.
std::vector<Cell> pathPoints(const GameState& s);

}  // namespace mepo
