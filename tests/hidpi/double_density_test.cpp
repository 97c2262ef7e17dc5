// At twice the density the game keeps every position and size, and draws
// its board at the device resolution: tiles from the double-size sheet,
// lines two device pixels wide with sharp edges.
#include <gtest/gtest.h>

#include "assets/assets.h"
#include "support/form_fixture.h"

namespace mepo {

using test::FormTest;

TEST_F(FormTest, TilesComeFromTheDoubleSizeSheetPixelForPixel) {
    ASSERT_EQ(form->devicePixelRatio(), 2);
    // Positions and sizes stay in logical pixels and twips.
    EXPECT_EQ(form->clientWidth(), 7485);
    EXPECT_EQ(board()->geometry(), QRect(8, 56, 481, 408));
    item("start").click();
    const QImage sheet = tileSheet2x();
    const QImage shown = board()->grab().toImage();
    ASSERT_EQ(shown.size(), QSize(962, 816));
    for (auto [col, row] : {std::pair{1, 1}, std::pair{12, 10}, std::pair{7, 4}}) {
        const int code = st().board(col, row);
        const QImage want = sheet.copy((code % 10) * 68, (code / 10) * 68, 68, 68);
        for (int y = 0; y < 68; ++y)
            for (int x = 0; x < 68; ++x)
                ASSERT_EQ(shown.pixel(col * 68 + x, row * 68 + y), want.pixel(x, y))
                    << "tile (" << col << ", " << row << ") at " << x << "," << y;
    }
}

TEST_F(FormTest, BandsFramesAndStripesAreSharpAtTheDeviceResolution) {
    item("start").click();
    GameState& s = st();
    s.board(2, 1) = s.board(1, 1);
    QTest::mousePress(board(), Qt::LeftButton, {}, cellCentre(1, 1));
    const QImage pressed = board()->grab().toImage();
    // The sunken frame: the top row of the cell, two device pixels thick.
    for (int y : {68, 69}) EXPECT_EQ(pressed.pixel(68 + 20, y), qRgb(128, 128, 128)) << y;
    EXPECT_NE(pressed.pixel(68 + 20, 70), qRgb(128, 128, 128));
    QTest::mouseRelease(board(), Qt::LeftButton, {}, cellCentre(1, 1));
    clickCell(2, 1);
    const QImage linked = board()->grab().toImage();
    // Band lines 16 and 17 of the cell row: each a pair of device rows, unblended.
    const int x = 68 + 60;
    EXPECT_EQ(linked.pixel(x, 68 + 32), qRgb(105, 105, 255));
    EXPECT_EQ(linked.pixel(x, 68 + 33), qRgb(105, 105, 255));
    EXPECT_EQ(linked.pixel(x, 68 + 34), qRgb(90, 90, 255));
    EXPECT_EQ(linked.pixel(x, 68 + 35), qRgb(90, 90, 255));
    // Each pixel of the bar is a block of 2 x 2 device pixels: device pixel
    // (dx, dy) lies on line dx / 2 + dy / 2.
    const QImage stripes = bar()->grab().toImage();
    for (auto [dx, dy] : {std::pair{20, 0}, std::pair{21, 0}, std::pair{21, 1}, std::pair{40, 7}, std::pair{101, 30}}) {
        const int g = dx / 2 + dy / 2;
        EXPECT_EQ(stripes.pixel(dx, dy), qRgb((25 * g) % 256, 0, 255)) << dx << "," << dy;
    }
}

}  // namespace mepo
