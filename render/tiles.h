// Tiles come from the tile sheet: 340 x 204 pixels, 10 x 6 squares of 34 x 34.
#pragma once

#include "assets/pictures.h"
#include "canvas.h"
#include "game/state.h"

namespace mepo {

inline constexpr int kSheetCols = 10;
inline constexpr int kSheetRows = 6;

// Sheet pixel of the top-left corner of a picture's square.
inline int sheetX(int picture) { return (picture % kSheetCols) * 34; }
inline int sheetY(int picture) { return (picture / kSheetCols) * 34; }

// Copies the square of the code from the sheet (loaded by loadSheet) onto
// the board at cell (col, row).
void drawTile(Canvas& board, const Canvas& sheet, int col, int row, int code);

// Draws every tile of the play area, rows outer and columns inner. Ring
// cells and cells beyond keep what they show.
void drawBoard(Canvas& board, const Canvas& sheet, const GameState& s);

}  // namespace mepo
