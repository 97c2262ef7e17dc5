#include <gtest/gtest.h>

#include "render/frame.h"
#include "render/geometry.h"
#include "render/palette.h"

namespace mepo {

namespace {
constexpr QRgb kBack = 0xff123456;
constexpr QRgb kDarkPx = 0xff808080;
constexpr QRgb kWhitePx = 0xffffffff;

// The colour every pixel of cell (c, r) should have after a frame with
// c1 on top and left and c2 on right and bottom; interior stays kBack.
QRgb expectedFrame(int dx, int dy, QRgb c1, QRgb c2) {
    if (dy == 0 && dx <= 32) return c1;          // top row
    if (dx == 0 && dy >= 1) return c1;           // left column
    if (dx == 33 && dy <= 32) return c2;         // right column
    if (dy == 33 && dx >= 1) return c2;          // bottom row
    return kBack;
}

void expectCell(const Canvas& board, int col, int row, QRgb c1, QRgb c2) {
    for (int dy = 0; dy < 34; ++dy)
        for (int dx = 0; dx < 34; ++dx)
            ASSERT_EQ(board.pixel(col * 34 + dx, row * 34 + dy), expectedFrame(dx, dy, c1, c2))
                << "offset " << dx << "," << dy;
}
}  // namespace

TEST(Frame, SunkenThenRaisedLeavesExactlyTheRaisedPixels) {
    Canvas board(kGridWidthPx, kGridHeightPx, kTwipsPerPixel, kBack);
    sunkenFrame(board, 3, 2);
    expectCell(board, 3, 2, kDarkPx, kWhitePx);
    // Corners: top-left and bottom-left take c1, top-right and bottom-right c2.
    EXPECT_EQ(board.pixel(3 * 34, 2 * 34 + 33), kDarkPx);
    EXPECT_EQ(board.pixel(3 * 34 + 33, 2 * 34), kWhitePx);
    raisedFrame(board, 3, 2);
    expectCell(board, 3, 2, kWhitePx, kDarkPx);
    const QImage once = board.image().copy();
    raisedFrame(board, 3, 2);
    EXPECT_EQ(board.image(), once);
    // Nothing outside the cell was touched.
    EXPECT_EQ(board.pixel(3 * 34 - 1, 2 * 34), kBack);
    EXPECT_EQ(board.pixel(4 * 34, 2 * 34), kBack);
}

TEST(Frame, QxRaisesBothPicksInTurn) {
    Canvas board(kGridWidthPx, kGridHeightPx, kTwipsPerPixel, kBack);
    GameState s;
    s.pick(1, 1) = 1;
    s.pick(1, 2) = 1;
    s.pick(2, 1) = 24;
    s.pick(2, 2) = 14;
    sunkenFrame(board, 1, 1);
    sunkenFrame(board, 24, 14);
    Qx(board, s);
    expectCell(board, 1, 1, kWhitePx, kDarkPx);
    expectCell(board, 24, 14, kWhitePx, kDarkPx);
    EXPECT_EQ(basicColour(mepo::kLightGrey), qRgb(192, 192, 192));
}

}  // namespace mepo
