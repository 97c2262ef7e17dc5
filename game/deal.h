// Dealing a level: every column of the play area gets one kind of tile,
// then a fixed number of random exchanges shuffles the board.
#pragma once

#include "random.h"
#include "state.h"

namespace mepo {

// The code of tile kind k (1..cols) at the given level.
inline int tileCode(int level, int kind) { return (level - 1) * 10 + kind; }

// Clears the whole grid (ring and beyond too, so tiles of a larger earlier
// board can never block a path unseen), fills column i of the play area with
// the code of kind i, makes cols x rows random exchanges, and leaves nothing
// selected.
void deal(GameState& s, UniformSource& random);

}  // namespace mepo
