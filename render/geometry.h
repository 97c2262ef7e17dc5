// Where the cells of the grid lie on the board: 510 twips (34 pixels) to a
// cell, ring cells included, cell (0, 0) at the board's top-left corner.
#pragma once

#include "game/state.h"

namespace mepo {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kCellTwips = 510;
inline constexpr int kCellPixels = 34;
inline constexpr int kFrameTwips = 500;  // a frame spans pixel offsets 0 and 33

// Top-left corner of a cell, in twips.
inline int cellTwips(int index) { return index * kCellTwips; }

// Pixel size of the whole grid, ring included: 884 x 544.
inline constexpr int kGridWidthPx = kGridCols * kCellPixels;
inline constexpr int kGridHeightPx = kGridRows * kCellPixels;

}  // namespace mepo
