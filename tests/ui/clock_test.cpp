#include <QApplication>
#include <QMessageBox>
#include <QTest>

#include "support/form_fixture.h"

namespace mepo {

using test::FormTest;

TEST_F(FormTest, FirstTickShowsTheTimeAndShortensTheBar) {
    form->start.click();
    form->Timer1.fire();
    EXPECT_EQ(form->Label2->caption(), "剩余时间:179秒");
    EXPECT_NEAR(form->Picture3->widthTwips(), 179.0 / 180 * 7215 * form->outerWidth() / 7485, 1e-3);
    EXPECT_EQ(form->Picture3->QWidget::width(), static_cast<int>(std::lround(form->Picture3->widthTwips() / 15)));
}

TEST_F(FormTest, AGameRunsOutOfTimeOnce) {
    form->st.level = 3;
    form->start.click();
    int ticksWhileOpen = 0;
    boxes.whileOpen = [&] {
        // Ticks while the message is open change nothing.
        form->Timer1.fire();
        form->Timer1.fire();
        ++ticksWhileOpen;
        EXPECT_EQ(form->Label2->caption(), "剩余时间:1秒");
    };
    for (int i = 0; i < 180; ++i) form->Timer1.fire();
    ASSERT_EQ(boxes.seen().size(), 1u);
    EXPECT_EQ(ticksWhileOpen, 1);
    EXPECT_EQ(boxes.seen()[0].text, QString("对不起，时间到了!你的最后得分:0"));
    EXPECT_EQ(form->st.timeLeft, 0);
    EXPECT_EQ(form->Label2->caption(), "剩余时间:0秒");
    EXPECT_EQ(form->Picture3->widthTwips(), 0);
    EXPECT_FALSE(form->Timer1.enabled());
    EXPECT_TRUE(form->meuOption.enabled());
    EXPECT_EQ(form->st.level, 1);
    EXPECT_EQ(form->Label1->caption(), "现在是第3关");  // until the next deal
    // The board shows blank, the grid keeps its tiles.
    EXPECT_EQ(shownPixel(form->Picture1, 34 + 17, 34 + 17), form->Picture1->palette().color(QPalette::Button).rgb());
    EXPECT_NE(form->st.board(1, 1), 0);
    // The next deal is level 1.
    form->start.click();
    EXPECT_EQ(form->Label1->caption(), "现在是第1关");
    EXPECT_EQ(codesOnBoard().rbegin()->first, 12);
}

// The desktop resizes the window while the time-out message is open: the
// layout waits for the tick that opened the message, so the bar and the
// label keep showing the same last second meanwhile, and the new size is
// laid out once the game has ended.
TEST_F(FormTest, AResizeUnderTheTimeOutMessageIsLaidOutOnceTheTickHasEnded) {
    form->start.click();
    for (int i = 0; i < 179; ++i) form->Timer1.fire();
    const double bar = form->Picture3->widthTwips();
    const int board = form->Picture1->QWidget::width();
    double barWhileOpen = -1;
    int boardWhileOpen = -1;
    std::string labelWhileOpen;
    boxes.whileOpen = [&] {
        form->resize(form->width() + 150, form->height() + 40);  // the window manager's resize
        QTest::qWait(20);
        barWhileOpen = form->Picture3->widthTwips();
        labelWhileOpen = form->Label2->caption();
        boardWhileOpen = form->Picture1->QWidget::width();
    };
    form->Timer1.fire();
    ASSERT_EQ(boxes.seen().size(), 1u);
    EXPECT_EQ(barWhileOpen, bar);
    EXPECT_EQ(labelWhileOpen, "剩余时间:1秒");
    EXPECT_EQ(boardWhileOpen, board);
    EXPECT_EQ(form->Label2->caption(), "剩余时间:0秒");
    EXPECT_EQ(form->Picture3->widthTwips(), 0);
    EXPECT_EQ(form->clientWidth(), (499 + 150) * 15);
    EXPECT_FLOAT_EQ(form->Picture1->widthTwips(), 7215 * form->clientWidth() / 7485);
}

TEST_F(FormTest, ContinuingAfterTheTimeOutNeverShowsANegativeTime) {
    form->start.click();
    for (int i = 0; i < 180; ++i) form->Timer1.fire();
    form->pause.click();
    form->reDo.click();
    EXPECT_TRUE(form->Timer1.enabled());
    form->Timer1.fire();
    EXPECT_EQ(form->st.timeLeft, -1);
    EXPECT_EQ(form->Label2->caption(), "剩余时间:0秒");
    EXPECT_EQ(form->Picture3->widthTwips(), 0);
}

TEST_F(FormTest, AfterAGiveUpNoTimeOutIsAnnounced) {
    form->st.score = 130;
    form->Label3->setCaption("分数:130");
    form->start.click();
    form->st.level = 4;
    form->Fail.click();
    EXPECT_EQ(form->st.timeLeft, 1);
    EXPECT_FALSE(form->Fail.enabled());
    EXPECT_FALSE(form->pause.enabled());
    form->Timer1.fire();
    EXPECT_TRUE(boxes.seen().empty());
    EXPECT_EQ(form->st.level, 1);
    EXPECT_EQ(form->st.score, 130);
    EXPECT_TRUE(form->meuOption.enabled());
    // A real time-out in a later game is silent too.
    form->start.click();
    EXPECT_TRUE(form->Fail.enabled());
    for (int i = 0; i < 180; ++i) form->Timer1.fire();
    EXPECT_TRUE(boxes.seen().empty());
    EXPECT_FALSE(form->Timer1.enabled());
}

TEST_F(FormTest, ADealAfterGiveUpCancelsTheEnd) {
    form->start.click();
    form->Fail.click();
    form->start.click();
    form->Timer1.fire();
    EXPECT_EQ(form->st.timeLeft, 179);
    EXPECT_FALSE(form->meuOption.enabled());
    EXPECT_EQ(form->st.gaveUp, 1);
}

TEST_F(FormTest, PauseAndContinueDriveTheClockAndTheItems) {
    form->start.click();
    form->Timer1.fire();
    form->pause.click();
    EXPECT_FALSE(form->Timer1.enabled());
    EXPECT_FALSE(form->pause.enabled());
    EXPECT_TRUE(form->reDo.enabled());
    EXPECT_TRUE(form->Fail.enabled());
    form->reDo.click();
    EXPECT_TRUE(form->Timer1.enabled());
    EXPECT_TRUE(form->pause.enabled());
    EXPECT_FALSE(form->reDo.enabled());
    EXPECT_EQ(form->st.timeLeft, 179);
    // A deal while paused restarts the clock and leaves continue usable.
    form->pause.click();
    form->start.click();
    EXPECT_TRUE(form->Timer1.enabled());
    EXPECT_TRUE(form->reDo.enabled());
    // The board still takes clicks while paused.
    form->pause.click();
    form->st.board(2, 1) = form->st.board(1, 1);
    clickCell(1, 1);
    clickCell(2, 1);
    form->Timer2.fire();
    EXPECT_EQ(form->st.score, 20);
}

}  // namespace mepo

namespace mepo {

using test::FormTest;

// The last pair is linked just before the clock runs out: its erase tick
// falls due while the time-out message is open. It waits for the time-out to
// finish, then erases, scores, and wins the level on the blank board.
TEST_F(FormTest, AnEraseDueDuringTheTimeOutMessageWaitsAndThenWinsTheLevel) {
    form->start.click();
    GameState& s = form->st;
    s.cells.fill(0);
    s.board(1, 1) = s.board(2, 1) = 5;
    clickCell(1, 1);
    clickCell(2, 1);
    ASSERT_TRUE(form->Timer2.enabled());
    s.timeLeft = 1;
    std::vector<int> openBoxes;
    boxes.whileOpen = [&] {
        int open = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) open += qobject_cast<QMessageBox*>(w) && w->isVisible();
        openBoxes.push_back(open);
        form->Timer2.fire();  // falls due now
        form->Timer1.fire();
    };
    form->Timer1.fire();
    ASSERT_EQ(boxes.seen().size(), 2u);
    EXPECT_EQ(boxes.seen()[0].text, QString("对不起，时间到了!你的最后得分:0"));
    EXPECT_EQ(boxes.seen()[1].text, QString("哇塞，你过关了耶,真是NB！"));
    EXPECT_EQ(openBoxes, (std::vector<int>{1, 1}));  // one after the other, never one inside another
    EXPECT_EQ(s.score, 20);
    EXPECT_EQ(form->Label1->caption(), "现在是第2关");
    EXPECT_EQ(codesOnBoard().begin()->first, 11);
    EXPECT_TRUE(form->Timer1.enabled());
    EXPECT_EQ(s.timeLeft, 180);
    EXPECT_FALSE(form->meuOption.enabled());
}

// The bar, grown with the window after the deal, narrowed by the clock,
// shrunk and grown again: striped to its end every time (each pixel of rows
// 0..29 on line x + y), and its image never wider than the widest bar shown.
TEST_F(FormTest, TheBarIsStripedToItsEndWhateverWidthTheWindowGivesIt) {
    form->start.click();
    int widest = 0;
    auto expectStripedToTheEnd = [&](const char* when) {
        const int w = form->Picture3->QWidget::width(), h = form->Picture3->QWidget::height();
        widest = std::max(widest, w);
        const QImage shown = form->Picture3->grab().toImage();
        for (int x : {w / 2, w - 20, w - 1})
            for (int y = 0; y < std::min(h, 30); ++y)
                ASSERT_EQ(shown.pixel(x, y), qRgb((25 * (x + y)) % 256, 0, 255)) << when << " at " << x << "," << y;
        EXPECT_LE(form->Picture3->canvas().image().width(), widest) << when;
    };
    expectStripedToTheEnd("at the deal");
    form->setOuterWidth(3 * 7485 + 115);
    form->setOuterHeight(2 * 7110 + 690);
    expectStripedToTheEnd("grown after the deal");
    form->Timer1.fire();
    expectStripedToTheEnd("narrowed by a tick");
    form->setOuterWidth(2000);
    form->setOuterWidth(4 * 7485 + 115);
    expectStripedToTheEnd("shrunk and grown again");
}

}  // namespace mepo

namespace mepo {

using test::FormTest;

// Whenever the window is resized, the bar keeps showing the time left at
// its new width: while paused, after a time-out, and in between ticks.
TEST_F(FormTest, TheBarShowsTheTimeLeftAfterAnyResize) {
    auto share = [&] { return form->Picture3->widthTwips() / (7215 * form->outerWidth() / 7485); };
    form->start.click();
    for (int i = 0; i < 143; ++i) form->Timer1.fire();
    form->pause.click();
    form->resize(form->width() + 200, form->height() + 100);
    QTest::qWait(20);
    EXPECT_NEAR(share(), 37.0 / 180, 1e-6);
    form->Fail.click();
    form->Timer1.fire();  // the silent end of the game
    form->meuMiddle.click();
    QTest::qWait(20);
    EXPECT_EQ(form->Label2->caption(), "剩余时间:0秒");
    EXPECT_EQ(form->Picture3->widthTwips(), 0);
    form->start.click();
    form->resize(form->width() - 150, form->height());
    QTest::qWait(20);
    EXPECT_NEAR(share(), 1.0, 1e-6);
}

}  // namespace mepo
