// The frame of a cell: sunken (pressed, selected) or raised (normal).
#pragma once

#include "canvas.h"
#include "game/state.h"

namespace mepo {

// Ht: frames the cell whose top-left corner is (x, y) twips, with palette
// colour c1 on the top and left edges and c2 on the right and bottom edges.
// (8, 15) is the sunken look, (15, 8) the raised one.
void Ht(Canvas& board, int x, int y, int c1, int c2);

void sunkenFrame(Canvas& board, int col, int row);
void raisedFrame(Canvas& board, int col, int row);

// Qx: the raised frame on pick 1, then on pick 2.
void Qx(Canvas& board, const GameState& s);

}  // namespace mepo
