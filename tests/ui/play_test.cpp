#include "game/connect.h"
#include "game/test_helpers.h"
#include "game/match.h"
#include "game/selection.h"
#include "render/geometry.h"
#include "support/form_fixture.h"

namespace mepo {

using test::FormTest;

namespace {

struct Pair {
    Cell a, b;
    std::vector<Cell> path;
};

// A pair the game's own search links, first found in board order.
std::optional<Pair> linkablePair(const GameState& s) {
    for (int c1 = 1; c1 <= s.cols; ++c1)
        for (int r1 = 1; r1 <= s.rows; ++r1) {
            if (s.board(c1, r1) == 0) continue;
            for (int c2 = 1; c2 <= s.cols; ++c2)
                for (int r2 = 1; r2 <= s.rows; ++r2) {
                    if ((c1 == c2 && r1 == r2) || s.board(c2, r2) != s.board(c1, r1)) continue;
                    GameState probe = s;
                    test::setPicks(probe, {c1, r1}, {c2, r2});
                    if (connect(probe)) return Pair{{c1, r1}, {c2, r2}, pathPoints(probe)};
                }
        }
    return std::nullopt;
}

}  // namespace

TEST_F(FormTest, DealingPutsTheWindowIntoPlay) {
    form->start.click();
    EXPECT_EQ(form->start.caption(), "重新开始");
    EXPECT_EQ(form->Label1->caption(), "现在是第1关");
    EXPECT_DOUBLE_EQ(form->Label1->leftTwips(), form->outerWidth() / 2 - form->Label1->widthTwips() / 2);
    EXPECT_FALSE(form->meuOption.enabled());
    EXPECT_TRUE(form->pause.enabled());
    EXPECT_TRUE(form->Fail.enabled());
    EXPECT_FALSE(form->reDo.enabled());
    EXPECT_TRUE(form->Timer1.enabled());
    EXPECT_TRUE(form->Picture1->isEnabled());
    EXPECT_EQ(form->st.timeLeft, 180);
    EXPECT_EQ(form->Label2->caption(), "剩余时间:180秒");  // until the first tick
    for (auto [code, n] : codesOnBoard()) EXPECT_EQ(n, 10) << code;
    EXPECT_EQ(codesOnBoard().size(), 12u);

    // The board shows every tile from the sheet, unframed.
    const QImage shown = form->Picture1->grab().toImage();
    const QImage& sheet = form->Picture2->canvas().image();
    for (int c = 1; c <= 12; ++c)
        for (int r = 1; r <= 10; ++r) {
            const int code = form->st.board(c, r);
            ASSERT_EQ(shown.pixel(c * 34 + 17, r * 34 + 9), sheet.pixel((code % 10) * 34 + 17, (code / 10) * 34 + 9));
        }
    // The time bar is striped.
    EXPECT_EQ(shownPixel(form->Picture3, 10, 0), qRgb(250, 0, 255));
}

TEST_F(FormTest, PressFramesSunkenAndReleaseElsewhereRaisesAgain) {
    form->start.click();
    const QRgb dark = qRgb(128, 128, 128), white = qRgb(255, 255, 255);
    QTest::mousePress(form->Picture1, Qt::RightButton, {}, cellCentre(1, 1));  // any button
    EXPECT_EQ(shownPixel(form->Picture1, 34, 34), dark);
    EXPECT_EQ(shownPixel(form->Picture1, 67, 67), white);
    QTest::mouseRelease(form->Picture1, Qt::RightButton, {}, cellCentre(2, 1));
    EXPECT_EQ(shownPixel(form->Picture1, 34, 34), white);
    EXPECT_EQ(shownPixel(form->Picture1, 67, 67), dark);
    EXPECT_EQ(form->st.picked, kFalse);

    // A press on the ring draws nothing but is stored.
    const QImage before = form->Picture1->grab().toImage();
    QTest::mousePress(form->Picture1, Qt::LeftButton, {}, QPoint(33, 33));
    EXPECT_EQ(form->st.clickCol, 0);
    EXPECT_EQ(form->Picture1->grab().toImage(), before);
    QTest::mouseRelease(form->Picture1, Qt::LeftButton, {}, QPoint(33, 33));
}

TEST_F(FormTest, ALinkShowsItsBandThenTurnsGreyAndScores) {
    form->start.click();
    GameState& s = form->st;
    // Make two neighbours equal so the link is known.
    s.board(2, 1) = s.board(1, 1);
    clickCell(1, 1);
    clickCell(2, 1);
    EXPECT_EQ(s.board(1, 1), 0);
    EXPECT_TRUE(form->Timer2.enabled());
    EXPECT_EQ(shownPixel(form->Picture1, 34 + 17, 34 + 17), qRgb(90, 90, 255));
    EXPECT_EQ(form->Label3->caption(), "得分:0");
    form->Timer2.fire();
    EXPECT_FALSE(form->Timer2.enabled());
    EXPECT_EQ(shownPixel(form->Picture1, 34 + 17, 34 + 17), qRgb(192, 192, 192));
    EXPECT_EQ(shownPixel(form->Picture1, 2 * 34 + 33, 34), qRgb(192, 192, 192));
    EXPECT_EQ(s.score, 20);
    EXPECT_EQ(form->Label3->caption(), "分数:20");
    EXPECT_TRUE(boxes.seen().empty());
}

TEST_F(FormTest, TwoLinksBeforeTheTickBothEraseAndScore) {
    form->start.click();
    GameState& s = form->st;
    s.board(2, 1) = s.board(1, 1);
    s.board(2, 5) = s.board(1, 5);
    clickCell(1, 1);
    clickCell(2, 1);
    clickCell(1, 5);
    clickCell(2, 5);
    form->Timer2.fire();
    EXPECT_EQ(s.score, 40);
    EXPECT_EQ(shownPixel(form->Picture1, 34 + 17, 34 + 17), qRgb(192, 192, 192));
    EXPECT_EQ(shownPixel(form->Picture1, 34 + 17, 5 * 34 + 17), qRgb(192, 192, 192));
}

TEST_F(FormTest, ADealBeforeTheTickScoresTheLinkButPaintsNothingOnTheNewBoard) {
    form->start.click();
    GameState& s = form->st;
    s.board(2, 1) = s.board(1, 1);
    clickCell(1, 1);
    clickCell(2, 1);
    form->start.click();
    form->Timer2.fire();
    EXPECT_EQ(s.score, 20);
    const QImage& sheet = form->Picture2->canvas().image();
    const int code = s.board(1, 1);
    EXPECT_EQ(shownPixel(form->Picture1, 34 + 17, 34 + 9), sheet.pixel((code % 10) * 34 + 17, (code / 10) * 34 + 9));
}

// A restart right after a link round the outside: the new tiles are left
// alone, but the link's band in the ring, which no deal redraws, goes.
TEST_F(FormTest, ARestartRightAfterALinkThroughTheRingLeavesNoBandBehind) {
    form->start.click();
    GameState& s = form->st;
    s.board(1, 1) = s.board(3, 1) = 5;
    s.board(2, 1) = 6;  // blocks the straight link: the path runs through row 0
    clickCell(1, 1);
    clickCell(3, 1);
    ASSERT_EQ(s.pending.back().points, (std::vector<Cell>{{1, 1}, {1, 0}, {3, 0}, {3, 1}}));
    form->start.click();
    form->Timer2.fire();
    const QImage shown = form->Picture1->grab().toImage();
    const QImage& sheet = form->Picture2->canvas().image();
    auto isBand = [](QRgb c) { return qBlue(c) == 255 && qRed(c) == qGreen(c) && qRed(c) >= 90 && qRed(c) <= 135; };
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (!inPlayArea(s, x / 34, y / 34)) {
                ASSERT_FALSE(isBand(shown.pixel(x, y))) << x << "," << y;
            }
    EXPECT_EQ(shown.pixel(2 * 34 + 5, 5), qRgb(192, 192, 192));  // the ring cell is erased
    const int code = s.board(1, 1);  // the new tile is shown whole
    EXPECT_EQ(shown.pixel(34 + 17, 34 + 9), sheet.pixel((code % 10) * 34 + 17, (code / 10) * 34 + 9));
}

// A whole level through the window: real presses and releases on the
// board, the path timer driven by hand, until the board is empty.
TEST_F(FormTest, AWholeLevelPlayedThroughTheWindow) {
    for (unsigned seed = 1; seed < 200; ++seed) {
        SetUp();
        form->rng.reseed(seed);
        form->start.click();
        int64_t expected = 0;
        int links = 0;
        while (auto pair = linkablePair(form->st)) {
            clickCell(pair->a.col, pair->a.row);
            clickCell(pair->b.col, pair->b.row, links % 2 ? Qt::RightButton : Qt::LeftButton);
            ASSERT_EQ(form->st.board(pair->a.col, pair->a.row), 0);
            expected += linkScore(pair->path);
            ++links;
            form->Timer2.fire();
            if (form->st.level == 2) break;
        }
        if (links < 60) {  // this deal got stuck: try another
            boxes.clear();
            continue;
        }
        EXPECT_EQ(form->st.score, expected);
        EXPECT_EQ(form->Label3->caption(), "分数:" + std::to_string(expected));
        ASSERT_EQ(boxes.seen().size(), 1u);
        EXPECT_EQ(boxes.seen()[0].text, QString("哇塞，你过关了耶,真是NB！"));
        EXPECT_EQ(boxes.seen()[0].title, QString("Mepo(Tazu造型版)"));
        EXPECT_EQ(form->Label1->caption(), "现在是第2关");
        const auto codes = codesOnBoard();
        ASSERT_EQ(codes.size(), 12u);
        EXPECT_EQ(codes.begin()->first, 11);
        EXPECT_EQ(codes.rbegin()->first, 22);
        for (auto [code, n] : codes) EXPECT_EQ(n, 10);
        EXPECT_TRUE(form->Timer1.enabled());
        EXPECT_FALSE(form->meuOption.enabled());
        return;
    }
    FAIL() << "no deal could be cleared";
}

}  // namespace mepo
