#include <QApplication>
#include <QMessageBox>
#include <QTest>

#include "support/form_fixture.h"

namespace mepo {

using test::FormTest;

TEST_F(FormTest, FirstTickShowsTheTimeAndShortensTheBar) {
    item("start").click();
    timer("Timer1").fire();
    EXPECT_EQ(label("Label2")->caption(), "剩余时间:179秒");
    EXPECT_NEAR(bar()->widthTwips(), 179.0 / 180 * 7215 * form->outerWidth() / 7485, 1e-3);
    EXPECT_EQ(bar()->QWidget::width(), static_cast<int>(std::lround(bar()->widthTwips() / 15)));
}

// The time-out as the window shows it: the message box, the bar gone and
// the board blank, its grid kept.
TEST_F(FormTest, AGameRunsOutOfTimeWithABlankBoard) {
    item("start").click();
    for (int i = 0; i < 180; ++i) timer("Timer1").fire();
    ASSERT_EQ(boxes.seen().size(), 1u);
    EXPECT_EQ(boxes.seen()[0].text, QString("对不起，时间到了!你的最后得分:0"));
    EXPECT_EQ(label("Label2")->caption(), "剩余时间:0秒");
    EXPECT_EQ(bar()->widthTwips(), 0);
    EXPECT_EQ(shownPixel(board(), 34 + 17, 34 + 17), board()->palette().color(QPalette::Button).rgb());
    EXPECT_NE(st().board(1, 1), 0);
}

// The desktop resizes the window while the time-out message is open: the
// layout waits for the tick that opened the message, so the bar and the
// label keep showing the same last second meanwhile, and the new size is
// laid out once the game has ended.
TEST_F(FormTest, AResizeUnderTheTimeOutMessageIsLaidOutOnceTheTickHasEnded) {
    item("start").click();
    for (int i = 0; i < 179; ++i) timer("Timer1").fire();
    const double barWidth = bar()->widthTwips();
    const int boardWidth = board()->QWidget::width();
    double barWhileOpen = -1;
    int boardWhileOpen = -1;
    std::string labelWhileOpen;
    boxes.whileOpen = [&] {
        form->resize(form->width() + 150, form->height() + 40);  // the window manager's resize
        QTest::qWait(20);
        barWhileOpen = bar()->widthTwips();
        labelWhileOpen = label("Label2")->caption();
        boardWhileOpen = board()->QWidget::width();
    };
    timer("Timer1").fire();
    ASSERT_EQ(boxes.seen().size(), 1u);
    EXPECT_EQ(barWhileOpen, barWidth);
    EXPECT_EQ(labelWhileOpen, "剩余时间:1秒");
    EXPECT_EQ(boardWhileOpen, boardWidth);
    EXPECT_EQ(label("Label2")->caption(), "剩余时间:0秒");
    EXPECT_EQ(bar()->widthTwips(), 0);
    EXPECT_EQ(form->clientWidth(), (499 + 150) * 15);
    EXPECT_FLOAT_EQ(board()->widthTwips(), 7215 * form->clientWidth() / 7485);
}

}  // namespace mepo

namespace mepo {

using test::FormTest;

// The bar, grown with the window after the deal, narrowed by the clock,
// shrunk and grown again: striped to its end every time (each pixel of rows
// 0..29 on line x + y), and its image never wider than the widest bar shown.
TEST_F(FormTest, TheBarIsStripedToItsEndWhateverWidthTheWindowGivesIt) {
    item("start").click();
    int widest = 0;
    auto expectStripedToTheEnd = [&](const char* when) {
        const int w = bar()->QWidget::width(), h = bar()->QWidget::height();
        widest = std::max(widest, w);
        const QImage shown = bar()->grab().toImage();
        for (int x : {w / 2, w - 20, w - 1})
            for (int y = 0; y < std::min(h, 30); ++y)
                ASSERT_EQ(shown.pixel(x, y), qRgb((25 * (x + y)) % 256, 0, 255)) << when << " at " << x << "," << y;
        EXPECT_LE(bar()->canvas().image().width(), widest) << when;
    };
    expectStripedToTheEnd("at the deal");
    form->setOuterWidth(3 * 7485 + 115);
    form->setOuterHeight(2 * 7110 + 690);
    expectStripedToTheEnd("grown after the deal");
    timer("Timer1").fire();
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
    auto share = [&] { return bar()->widthTwips() / (7215 * form->outerWidth() / 7485); };
    item("start").click();
    for (int i = 0; i < 143; ++i) timer("Timer1").fire();
    item("pause").click();
    form->resize(form->width() + 200, form->height() + 100);
    QTest::qWait(20);
    EXPECT_NEAR(share(), 37.0 / 180, 1e-6);
    item("Fail").click();
    timer("Timer1").fire();  // the silent end of the game
    item("meuMiddle").click();
    QTest::qWait(20);
    EXPECT_EQ(label("Label2")->caption(), "剩余时间:0秒");
    EXPECT_EQ(bar()->widthTwips(), 0);
    item("start").click();
    form->resize(form->width() - 150, form->height());
    QTest::qWait(20);
    EXPECT_NEAR(share(), 1.0, 1e-6);
}

}  // namespace mepo
