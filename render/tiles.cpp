#include "tiles.h"

#include "geometry.h"

namespace mepo {

void drawTile(Canvas& board, const Canvas& sheet, int col, int row, int code) {
    const int p = pictureOf(code);
    board.copyFrom(sheet, sheetX(p), sheetY(p), kCellPixels, kCellPixels, col * kCellPixels, row * kCellPixels);
}

void drawBoard(Canvas& board, const Canvas& sheet, const GameState& s) {
    for (int j = 1; j <= s.rows; ++j)
        for (int i = 1; i <= s.cols; ++i) drawTile(board, sheet, i, j, s.board(i, j));
}

}  // namespace mepo
