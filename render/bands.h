// The blue band that shows a link, and the light grey square that erases a
// cell once its link is scored.
#pragma once

#include <vector>

#include "canvas.h"
#include "game/state.h"

namespace mepo {

// Lhx: horizontal band from the cell at x1 to the cell at x2 (left edges, in
// twips) in the cell row whose top edge is y. Seven lines on pixel rows 14..20
// of the row, darkest in the middle, each outer line one pixel shorter at
// both ends, so the band is pointed.
void Lhx(Canvas& board, int x1, int x2, int y);
// Lsx: the same band, vertical, in the cell column whose left edge is x.
void Lsx(Canvas& board, int x, int y1, int y2);

// Draws a whole link, segment after segment; later segments lie on top.
void drawLink(Canvas& board, const std::vector<Cell>& points);

// Paints the whole 34 x 34 cell light grey.
void eraseCell(Canvas& board, Cell c);

}  // namespace mepo
