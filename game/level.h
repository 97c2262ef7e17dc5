// Level completion: a level is won when its play area holds no tile.
#pragma once

#include "state.h"

namespace mepo {

// True when every cell of the play area is empty. The ring and the cells
// beyond it are not looked at.
bool playAreaEmpty(const GameState& s);

}  // namespace mepo
