#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

#include "assets/assets.h"
#include "render/geometry.h"
#include "render/sheet.h"
#include "render/tiles.h"

namespace mepo {

namespace {
// A sheet whose every square is filled with its own index, so a copy tells
// where it came from.
QImage numberedSheet() {
    QImage sheet(340, 204, QImage::Format_RGB32);
    for (int p = 0; p < 60; ++p)
        for (int y = 0; y < 34; ++y)
            for (int x = 0; x < 34; ++x)
                sheet.setPixel(sheetX(p) + x, sheetY(p) + y, qRgb(p, x, y));
    return sheet;
}

// The same, held for tile copies.
Canvas numberedHolder() {
    Canvas holder(340, 204, kTwipsPerPixel, 0, Canvas::Layout::Sheet);
    loadSheet(holder, numberedSheet());
    return holder;
}
}  // namespace

TEST(Tiles, SheetSquaresOfCodes) {
    EXPECT_EQ(sheetX(pictureOf(10)), 0);
    EXPECT_EQ(sheetY(pictureOf(10)), 34);
    EXPECT_EQ(sheetX(pictureOf(9)), 306);
    EXPECT_EQ(sheetY(pictureOf(9)), 0);
    EXPECT_EQ(sheetX(pictureOf(59)), 306);
    EXPECT_EQ(sheetY(pictureOf(59)), 170);
    for (int code = 1; code <= 59; ++code) EXPECT_EQ(pictureOf(code), code);
    EXPECT_EQ(pictureOf(60), 1);
    EXPECT_EQ(pictureOf(118), 59);
    EXPECT_EQ(pictureOf(119), 1);
}

TEST(Tiles, ACopyPutsExactlyTheSquareAtTheCell) {
    const Canvas sheet = numberedHolder();
    const QRgb back = qRgb(1, 2, 3);
    Canvas board(kGridWidthPx, kGridHeightPx, kTwipsPerPixel, back);
    drawTile(board, sheet, 24, 14, 59);
    for (int y = 0; y < 34; ++y)
        for (int x = 0; x < 34; ++x) ASSERT_EQ(board.pixel(24 * 34 + x, 14 * 34 + y), qRgb(59, x, y));
    EXPECT_EQ(board.pixel(24 * 34 - 1, 14 * 34), back);
    EXPECT_EQ(board.pixel(25 * 34, 14 * 34), back);
    EXPECT_EQ(board.pixel(24 * 34, 15 * 34), back);
}

TEST(Tiles, DrawBoardDrawsThePlayAreaOnly) {
    const Canvas sheet = numberedHolder();
    const QRgb back = qRgb(1, 2, 3);
    Canvas board(kGridWidthPx, kGridHeightPx, kTwipsPerPixel, back);
    GameState s;
    for (int c = 1; c <= s.cols; ++c)
        for (int r = 1; r <= s.rows; ++r) s.board(c, r) = static_cast<int16_t>(c);
    s.board(0, 0) = 7;  // a stale ring tile is never drawn
    drawBoard(board, sheet, s);
    EXPECT_EQ(qRed(board.pixel(34 + 5, 34 + 5)), 1);
    EXPECT_EQ(qRed(board.pixel(12 * 34 + 5, 10 * 34 + 5)), 12);
    EXPECT_EQ(board.pixel(5, 5), back);
    EXPECT_EQ(board.pixel(13 * 34 + 5, 34 + 5), back);
}

TEST(Tiles, NoTwoCodesOfADealShareAPicture) {
    for (int cols : {12, 17, 24}) {
        for (int level = 1; level <= 1000; ++level) {
            std::set<int> pictures;
            for (int kind = 1; kind <= cols; ++kind) {
                const int p = pictureOf((level - 1) * 10 + kind);
                ASSERT_GE(p, 1);
                ASSERT_LE(p, 59);
                pictures.insert(p);
            }
            ASSERT_EQ(pictures.size(), static_cast<size_t>(cols)) << "level " << level << ", " << cols << " columns";
        }
    }
}

// The shipped sheets: the normal one and the one drawn at twice the size.
struct ShippedSheet {
    const char* name;
    QImage (*load)();
    int scale;  // pixels per pixel of the normal sheet
};

void PrintTo(const ShippedSheet& s, std::ostream* os) { *os << s.name << " sheet"; }

class ShippedSheets : public ::testing::TestWithParam<ShippedSheet> {};

TEST_P(ShippedSheets, HaveTheLayoutAndMatchTheNormalSheet) {
    const QImage sheet = GetParam().load();
    const int k = GetParam().scale;
    const int side = 34 * k;
    ASSERT_EQ(sheet.size(), QSize(340 * k, 204 * k));
    EXPECT_EQ(sheet.format(), QImage::Format_RGB32);
    // Every square: grey background in a corner inside the bevel, the
    // lighter bevel along the top and left, the darker one along the right
    // and bottom, k pixels deep (averaged along each edge: the sheet is a
    // JPEG).
    auto grey = [](QRgb c) { return (qRed(c) + qGreen(c) + qBlue(c)) / 3.0; };
    auto edge = [&](int x0, int y0, int dx, int dy) {
        double sum = 0;
        for (int i = 2 * k; i < 32 * k; ++i) sum += grey(sheet.pixel(x0 + dx * i, y0 + dy * i));
        return sum / (30 * k);
    };
    const QImage normal = tileSheet();
    std::set<QByteArray> distinct;
    for (int p = 0; p < 60; ++p) {
        const int x = sheetX(p) * k, y = sheetY(p) * k;
        EXPECT_NEAR(grey(sheet.pixel(x + 2 * k, y + 2 * k)), 192, 8) << p;
        for (int d = 0; d < k; ++d) {
            EXPECT_NEAR(edge(x, y + d, 1, 0), 199, 5) << p << " top " << d;
            EXPECT_NEAR(edge(x + d, y, 0, 1), 199, 5) << p << " left " << d;
            EXPECT_NEAR(edge(x + side - 1 - d, y, 0, 1), 140, 5) << p << " right " << d;
            EXPECT_NEAR(edge(x, y + side - 1 - d, 1, 0), 140, 5) << p << " bottom " << d;
        }
        // Just inside the dark bevel the face is grey again: the bevel is
        // exactly k pixels deep.
        EXPECT_NEAR(edge(x + side - 1 - k, y, 0, 1), 192, 8) << p;
        EXPECT_NEAR(edge(x, y + side - 1 - k, 1, 0), 192, 8) << p;
        const QImage square = sheet.copy(x, y, side, side);
        distinct.insert(QByteArray(reinterpret_cast<const char*>(square.constBits()), square.sizeInBytes()));

        // Shrunk to the normal size, a square shows the same picture as the
        // normal sheet's square of the same index: the mean difference per
        // channel stays under 10 for the same picture, while two different
        // pictures differ by more than 13.
        const QImage shrunk = square.scaled(34, 34, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QImage reference = normal.copy(sheetX(p), sheetY(p), 34, 34);
        double difference = 0;
        for (int yy = 0; yy < 34; ++yy)
            for (int xx = 0; xx < 34; ++xx) {
                const QRgb a = shrunk.pixel(xx, yy), b = reference.pixel(xx, yy);
                difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                              std::abs(qBlue(a) - qBlue(b));
            }
        EXPECT_LT(difference / (34 * 34 * 3), 11.5) << p;
    }
    EXPECT_EQ(distinct.size(), 60u);
}

INSTANTIATE_TEST_SUITE_P(Tiles, ShippedSheets,
                         ::testing::Values(ShippedSheet{"normal", tileSheet, 1},
                                           ShippedSheet{"double", tileSheet2x, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace mepo
