#include <gtest/gtest.h>

#include "render/bands.h"
#include "render/geometry.h"
#include "render/stripes.h"

namespace mepo {

namespace {
constexpr QRgb kBack = 0xff000000;
QRgb lineColour(int i) {
    const int f = std::abs(i - 3) * 15;
    return qRgb(90 + f, 90 + f, 255);
}
}  // namespace

TEST(Bands, HorizontalBandBetweenNeighbours) {
    Canvas board(kGridWidthPx, kGridHeightPx, kTwipsPerPixel, kBack);
    Lhx(board, 2 * 510, 3 * 510, 4 * 510);
    const int y0 = 4 * 34;
    for (int i = 0; i <= 6; ++i) {
        const int f = std::abs(i - 3);
        const int from = 2 * 34 + 17 + f, to = 3 * 34 + 17 - f;  // the end pixel is not drawn
        for (int x = 2 * 34; x < 4 * 34; ++x) {
            const QRgb want = (x >= from && x < to) ? lineColour(i) : kBack;
            ASSERT_EQ(board.pixel(x, y0 + 14 + i), want) << "line " << i << " x " << x;
        }
    }
    // The middle line runs 34 pixels, centre to centre; nothing above or below the band.
    EXPECT_EQ(board.pixel(2 * 34 + 17, y0 + 17), qRgb(90, 90, 255));
    for (int x = 0; x < kGridWidthPx; ++x) {
        ASSERT_EQ(board.pixel(x, y0 + 13), kBack);
        ASSERT_EQ(board.pixel(x, y0 + 21), kBack);
    }
}

TEST(Bands, OneTurnLinkDrawsTheLaterSegmentOnTop) {
    Canvas board(kGridWidthPx, kGridHeightPx, kTwipsPerPixel, kBack);
    // (1, 1) down to (1, 3), then across to (4, 3).
    drawLink(board, {{1, 1}, {1, 3}, {4, 3}});
    // Vertical band on pixel columns 14..20 of column 1, going down.
    EXPECT_EQ(board.pixel(34 + 14, 34 + 17 + 3), lineColour(0));
    EXPECT_EQ(board.pixel(34 + 17, 34 + 17), lineColour(3));
    EXPECT_EQ(board.pixel(34 + 17, 34 + 16), kBack);
    // At the turn cell both bands stop short of the centre: a notch.
    EXPECT_EQ(board.pixel(34 + 20, 3 * 34 + 14), lineColour(0));
    EXPECT_EQ(board.pixel(34 + 20, 3 * 34 + 13), lineColour(6));
    EXPECT_EQ(board.pixel(34 + 21, 3 * 34 + 13), kBack);
    // It ends short of the last tile's centre.
    EXPECT_EQ(board.pixel(4 * 34 + 16, 3 * 34 + 17), lineColour(3));
    EXPECT_EQ(board.pixel(4 * 34 + 17, 3 * 34 + 17), kBack);
}

TEST(Bands, EraseCoversTheWholeCell) {
    Canvas board(kGridWidthPx, kGridHeightPx, kTwipsPerPixel, kBack);
    drawLink(board, {{2, 2}, {3, 2}});
    eraseCell(board, {2, 2});
    for (int y = 2 * 34; y < 3 * 34; ++y)
        for (int x = 2 * 34; x < 3 * 34; ++x) ASSERT_EQ(board.pixel(x, y), qRgb(192, 192, 192));
    EXPECT_EQ(board.pixel(2 * 34 - 1, 2 * 34), kBack);
    EXPECT_EQ(board.pixel(2 * 34, 3 * 34), kBack);
    EXPECT_EQ(board.pixel(3 * 34, 2 * 34 + 17), qRgb(90, 90, 255));  // the neighbour keeps its half
}

TEST(Stripes, SlantedLinesFromBlueTowardMagenta) {
    Canvas bar(481, 17, 1, kBack);
    stripeTimeBar(bar);
    // Pixel (x, y) lies on line g = x + y.
    for (int y : {0, 8, 16})
        for (int x : {1, 9, 10, 11, 200, 480}) {
            const int g = x + y;
            ASSERT_EQ(bar.pixel(x, y), qRgb((25 * g) % 256, 0, 255)) << x << "," << y;
        }
    EXPECT_EQ(bar.pixel(0, 0), kBack);       // no line 0
    EXPECT_EQ(bar.pixel(10, 0), qRgb(250, 0, 255));
    EXPECT_EQ(bar.pixel(11, 0), qRgb(19, 0, 255));
}

}  // namespace mepo
