// The outline that shows the keyboard's cell on the board. It lies just
// outside the cell, over the neighbours' edges, so the cell's own frame
// (sunken when its tile is picked) stays in sight: a bright line two units
// wide against the cell, a dark one a unit wide beyond it, a unit being the
// width of a cell's outermost pixel on the screen. It is painted over the
// board's picture, never into it, on the cell's device pixels as the
// board's pixel grid lays them out, so it meets the cell exactly at any
// scale.
#pragma once

#include <QRect>

#include "game/state.h"

class QPainter;

namespace mepo {

class PixelGrid;

// Paints the outline of cell with a painter that draws in the board's
// device pixels from its first one.
void paintCellOutline(QPainter& devicePainter, const PixelGrid& grid, Cell cell);

// The board's area, in pixels, that the outline of cell may cover at any
// scale: what to paint again when it comes or goes.
QRect cellOutlineArea(Cell cell);

}  // namespace mepo
