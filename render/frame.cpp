#include "frame.h"

#include "geometry.h"
#include "palette.h"

namespace mepo {

void Ht(Canvas& board, int x, int y, int c1, int c2) {
    // One outline, clockwise from the top-left corner.
    const int e = kFrameTwips;
    board.line(x, y, x + e, y, basicColour(c1));
    board.line(x + e, y, x + e, y + e, basicColour(c2));
    board.line(x + e, y + e, x, y + e, basicColour(c2));
    board.line(x, y + e, x, y, basicColour(c1));
}

void sunkenFrame(Canvas& board, int col, int row) { Ht(board, cellTwips(col), cellTwips(row), kDarkGrey, kWhite); }

void raisedFrame(Canvas& board, int col, int row) { Ht(board, cellTwips(col), cellTwips(row), kWhite, kDarkGrey); }

void Qx(Canvas& board, const GameState& s) {
    raisedFrame(board, s.pick(1, 1), s.pick(1, 2));
    raisedFrame(board, s.pick(2, 1), s.pick(2, 2));
}

}  // namespace mepo
