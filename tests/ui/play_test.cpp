// What the window shows of a game as it is played: the deal, the frames of
// a press, a link's band and its erase.
#include "game/selection.h"
#include "support/form_fixture.h"

namespace mepo {

using test::FormTest;

TEST_F(FormTest, DealingPutsTheWindowIntoPlay) {
    item("start").click();
    EXPECT_EQ(item("start").caption(), "重新开始");
    EXPECT_EQ(label("Label1")->caption(), "现在是第1关");
    EXPECT_DOUBLE_EQ(label("Label1")->leftTwips(), form->outerWidth() / 2 - label("Label1")->widthTwips() / 2);
    EXPECT_FALSE(item("meuOption").enabled());
    EXPECT_TRUE(timer("Timer1").enabled());
    EXPECT_TRUE(board()->isEnabled());
    EXPECT_EQ(label("Label2")->caption(), "剩余时间:180秒");  // until the first tick

    // The board shows every tile from the sheet, unframed.
    const QImage shown = board()->grab().toImage();
    const QImage& tiles = sheet()->canvas().image();
    for (int c = 1; c <= 12; ++c)
        for (int r = 1; r <= 10; ++r) {
            const int code = st().board(c, r);
            ASSERT_EQ(shown.pixel(c * 34 + 17, r * 34 + 9), tiles.pixel((code % 10) * 34 + 17, (code / 10) * 34 + 9));
        }
    // The time bar is striped.
    EXPECT_EQ(shownPixel(bar(), 10, 0), qRgb(250, 0, 255));
}

TEST_F(FormTest, PressFramesSunkenAndReleaseElsewhereRaisesAgain) {
    item("start").click();
    const QRgb dark = qRgb(128, 128, 128), white = qRgb(255, 255, 255);
    QTest::mousePress(board(), Qt::RightButton, {}, cellCentre(1, 1));  // any button
    EXPECT_EQ(shownPixel(board(), 34, 34), dark);
    EXPECT_EQ(shownPixel(board(), 67, 67), white);
    QTest::mouseRelease(board(), Qt::RightButton, {}, cellCentre(2, 1));
    EXPECT_EQ(shownPixel(board(), 34, 34), white);
    EXPECT_EQ(shownPixel(board(), 67, 67), dark);
    EXPECT_EQ(st().picked, kFalse);

    // A press on the ring draws nothing but is stored.
    const QImage before = board()->grab().toImage();
    QTest::mousePress(board(), Qt::LeftButton, {}, QPoint(33, 33));
    EXPECT_EQ(st().clickCol, 0);
    EXPECT_EQ(board()->grab().toImage(), before);
    QTest::mouseRelease(board(), Qt::LeftButton, {}, QPoint(33, 33));
}

TEST_F(FormTest, ALinkShowsItsBandThenTurnsGreyAndScores) {
    item("start").click();
    GameState& s = st();
    // Make two neighbours equal so the link is known.
    s.board(2, 1) = s.board(1, 1);
    clickCell(1, 1);
    clickCell(2, 1);
    EXPECT_EQ(s.board(1, 1), 0);
    EXPECT_TRUE(timer("Timer2").enabled());
    EXPECT_EQ(shownPixel(board(), 34 + 17, 34 + 17), qRgb(90, 90, 255));
    EXPECT_EQ(label("Label3")->caption(), "得分:0");
    timer("Timer2").fire();
    EXPECT_FALSE(timer("Timer2").enabled());
    EXPECT_EQ(shownPixel(board(), 34 + 17, 34 + 17), qRgb(192, 192, 192));
    EXPECT_EQ(shownPixel(board(), 2 * 34 + 33, 34), qRgb(192, 192, 192));
    EXPECT_EQ(s.score, 20);
    EXPECT_EQ(label("Label3")->caption(), "分数:20");
    EXPECT_TRUE(boxes.seen().empty());
}

// A restart right after a link round the outside: the new tiles are left
// alone, shown whole, but the link's band in the ring, which no deal
// redraws, goes.
TEST_F(FormTest, ARestartRightAfterALinkThroughTheRingLeavesNoBandBehind) {
    item("start").click();
    GameState& s = st();
    s.board(1, 1) = s.board(3, 1) = 5;
    s.board(2, 1) = 6;  // blocks the straight link: the path runs through row 0
    clickCell(1, 1);
    clickCell(3, 1);
    ASSERT_EQ(s.pending.back().points, (std::vector<Cell>{{1, 1}, {1, 0}, {3, 0}, {3, 1}}));
    item("start").click();
    timer("Timer2").fire();
    const QImage shown = board()->grab().toImage();
    const QImage& tiles = sheet()->canvas().image();
    auto isBand = [](QRgb c) { return qBlue(c) == 255 && qRed(c) == qGreen(c) && qRed(c) >= 90 && qRed(c) <= 135; };
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (!inPlayArea(s, x / 34, y / 34)) {
                ASSERT_FALSE(isBand(shown.pixel(x, y))) << x << "," << y;
            }
    EXPECT_EQ(shown.pixel(2 * 34 + 5, 5), qRgb(192, 192, 192));  // the ring cell is erased
    const int code = s.board(1, 1);  // the new tile is shown whole
    EXPECT_EQ(shown.pixel(34 + 17, 34 + 9), tiles.pixel((code % 10) * 34 + 17, (code / 10) * 34 + 9));
}

}  // namespace mepo
