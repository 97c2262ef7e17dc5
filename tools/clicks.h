// What the tools share: a click on a tile, as the mouse makes it.
#pragma once

#include "game/selection.h"
#include "game/state.h"

namespace mepo::tools {

// A press and a release on the tile's cell.
inline Release click(GameState& s, Cell c) {
    pressCell(s, c.col, c.row);
    return releaseCell(s, c.col, c.row).what;
}

}  // namespace mepo::tools
