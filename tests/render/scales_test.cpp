// The board and the time bar at every density from 1 to 3 device pixels to
// the pixel, in steps of a quarter.
#include <gtest/gtest.h>

#include <set>

#include "render/frame.h"
#include "render/geometry.h"
#include "render/sheet.h"
#include "render/stripes.h"
#include "render/tiles.h"

namespace mepo {
namespace {

constexpr QRgb kBack = qRgb(240, 240, 240), kRing = qRgb(140, 140, 140);
constexpr QRgb kInk[2] = {qRgb(200, 40, 40), qRgb(40, 40, 200)};

// 24 x 14 tiles from a sheet (k times the normal size, k = 2 above scale 1)
// whose squares are ringed by their one-pixel bevel and checkered inside;
// with a sunken frame on tile (7, 5) if asked.
Canvas board(double scale, bool framed = false) {
    const int k = scale > 1 ? 2 : 1;
    QImage image(340 * k, 204 * k, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int px = x / k % 34, py = y / k % 34;
            image.setPixel(x, y, px % 33 == 0 || py % 33 == 0 ? kRing : kInk[(px + py) % 2]);
        }
    image.setDevicePixelRatio(k);
    Canvas sheet(340, 204, kTwipsPerPixel, kBack, Canvas::Layout::Sheet);
    Canvas board(kGridWidthPx, kGridHeightPx, kTwipsPerPixel, kBack, Canvas::Layout::Cells);
    sheet.setScale(scale);
    board.setScale(scale);
    loadSheet(sheet, image);
    GameState s;
    s.cols = 24;
    s.rows = 14;
    for (int c = 1; c <= 24; ++c)
        for (int r = 1; r <= 14; ++r) s.board(c, r) = static_cast<int16_t>(c);
    drawBoard(board, sheet, s);
    if (framed) sunkenFrame(board, 7, 5);
    return board;
}

QImage bar(double scale) {
    Canvas bar(120, 40, 1, kBack);
    bar.setScale(scale);
    stripeTimeBar(bar);
    return bar.image();
}

class AtEveryScale : public ::testing::TestWithParam<double> {};

TEST_P(AtEveryScale, StraightEvenLinesTilesWithinAPixelExactFramesAndAWholeBar) {
    const double s = GetParam();
    const Canvas dealt = board(s);
    const QImage& image = dealt.image();
    const int from = dealt.grid().at(34);  // the play area, in device pixels
    const int wide = dealt.grid().at(25 * 34) - from, high = dealt.grid().at(15 * 34) - from;
    for (bool across : {true, false}) {
        // In every device row (column) of the play area that is not itself
        // on a line, the tiles' rings lie at the same places.
        const int lines = across ? high : wide, length = across ? wide : high, tiles = across ? 24 : 14;
        std::set<std::vector<int>> crossings;
        std::set<QRgb> picture;
        for (int l = 0; l < lines; ++l) {
            std::vector<int> ring;
            for (int i = 0; i < length; ++i) {
                const QRgb c = across ? image.pixel(from + i, from + l) : image.pixel(from + l, from + i);
                c == kRing ? ring.push_back(i) : void(picture.insert(c));
            }
            if (static_cast<int>(ring.size()) < length) crossings.insert(ring);
        }
        ASSERT_EQ(crossings.size(), 1u) << (across ? "vertical" : "horizontal") << " lines bend";
        // Runs of ring: one edge outside the end tiles, two between tiles.
        std::vector<std::pair<int, int>> runs;
        for (int i : *crossings.begin())
            if (!runs.empty() && runs.back().second == i - 1) runs.back().second = i;
            else runs.push_back({i, i});
        ASSERT_EQ(runs.size(), static_cast<size_t>(tiles + 1));
        const int edge = runs.front().second + 1;
        std::set<int> widths{2 * (runs.back().second - runs.back().first + 1)}, sizes;
        for (int k = 1; k < tiles; ++k) widths.insert(runs[k].second - runs[k].first + 1);
        EXPECT_EQ(widths, std::set<int>{2 * edge}) << "lines of unequal width";
        for (int k = 0; k < tiles; ++k) sizes.insert(runs[k + 1].first + edge - (k == 0 ? 0 : runs[k].first + edge));
        EXPECT_LE(*sizes.rbegin() - *sizes.begin(), 1) << "tiles differ by more than a device pixel";
        // Copied pixel for pixel at 1 and 2, resampled smoothly otherwise.
        EXPECT_EQ(picture == std::set<QRgb>(std::begin(kInk), std::end(kInk)), s == 1 || s == 2);
    }

    // A frame covers exactly a tile's ring, in its own two colours.
    const QImage framed = board(s, true).image();
    int changed = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QRgb c = framed.pixel(x, y); c != image.pixel(x, y)) {
                ++changed;
                ASSERT_EQ(image.pixel(x, y), kRing) << x << "," << y;
                ASSERT_TRUE(c == qRgb(128, 128, 128) || c == qRgb(255, 255, 255)) << x << "," << y;
            }
    const int w = dealt.grid().cellSize(7), h = dealt.grid().cellSize(5), e = dealt.grid().edgeWidth();
    EXPECT_EQ(changed, w * h - (w - 2 * e) * (h - 2 * e));

    // The bar: its 30 striped rows without a hole (but for pixel (0, 0), on
    // no line).
    const QImage striped = bar(s);
    int y = 0;
    for (; y < striped.height() && striped.pixel(striped.width() - 1, y) != kBack; ++y)
        for (int x = 0; x < striped.width(); ++x)
            ASSERT_TRUE(striped.pixel(x, y) != kBack || (x < s && y < s)) << "a hole at " << x << "," << y;
    EXPECT_NEAR(y, 30 * s, 1);

    // At 2, board and bar are exactly the pictures at 1 doubled.
    auto doubled = [](const QImage& one) { return one.scaled(one.size() * 2).convertToFormat(QImage::Format_RGB32); };
    EXPECT_TRUE(s != 2 || (framed == doubled(board(1, true).image()) && striped == doubled(bar(1))));
}

INSTANTIATE_TEST_SUITE_P(Scales, AtEveryScale, ::testing::Values(1.0, 1.25, 1.5, 1.75, 2.0, 2.25, 2.5, 2.75, 3.0),
                         [](const auto& info) { return "x" + std::to_string(static_cast<int>(info.param * 100)); });

}  // namespace
}  // namespace mepo
