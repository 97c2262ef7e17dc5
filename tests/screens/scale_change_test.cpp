// A game window moved to a screen of another density draws its board and
// its time bar again there, as if the game had been played there.
#include <gtest/gtest.h>

#include <QTest>

#include "screens/screens.h"
#include "support/modal_closer.h"
#include "support/settle.h"
#include "ui/form1.h"

namespace mepo {
namespace {

using namespace test;

TEST(Screens, TheDesktopHasItsThreeScreens) {
    for (const MonitorShape& shape : {kLeftScreen, kRightScreen, kLowerScreen}) {
        QScreen* s = screenNamed(shape);
        ASSERT_TRUE(s) << shape.name;
        EXPECT_EQ(s->geometry(), shape.geometry) << shape.name;
        EXPECT_EQ(s->devicePixelRatio(), shape.density) << shape.name;
    }
    EXPECT_EQ(QGuiApplication::primaryScreen(), screenNamed(kLeftScreen));
}

// Shows the window on a screen, at the same place on each, and waits until
// the board has taken the screen's density.
void showOn(Form1& w, const MonitorShape& shape) {
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.move(shape.geometry.topLeft() + QPoint(100, 80));
    ASSERT_TRUE(settle([&] { return w.Picture1->canvas().scale() == shape.density; }, 5000)) << shape.name;
    EXPECT_EQ(w.Picture3->canvas().scale(), shape.density);
}

void click(Form1& w, int col, int row) {
    const QPoint at(col * 34 + 17, row * 34 + 17);
    QTest::mousePress(w.Picture1, Qt::LeftButton, {}, at);
    QTest::mouseRelease(w.Picture1, Qt::LeftButton, {}, at);
}

// A seeded deal; a link of two neighbours, erased; a link round a corner
// through their cells, still showing; a tile picked. The countdown is
// stopped, so that no tick narrows the bar.
void play(Form1& w) {
    w.rng.reseed(17);
    w.start.click();
    w.Timer1.setEnabled(false);
    GameState& s = w.st;
    s.board(2, 1) = s.board(1, 1);
    click(w, 1, 1);
    click(w, 2, 1);
    w.Timer2_Timer();
    s.board(3, 1) = s.board(1, 2);
    click(w, 1, 2);
    click(w, 3, 1);
    w.Timer2.setEnabled(false);
    click(w, 5, 5);
}

TEST(Screens, BoardAndBarAreDrawnAgainAtTheDensityOfTheScreenTheyMoveTo) {
    ModalCloser boxes;
    for (const MonitorShape& to : {kRightScreen, kLowerScreen}) {
        Form1 moved, there;
        showOn(moved, kLeftScreen);
        play(moved);
        ASSERT_GT(moved.st.score, 0);  // the first link was made and erased
        showOn(moved, to);
        showOn(there, to);
        play(there);
        QCoreApplication::processEvents();
        EXPECT_TRUE(moved.Picture1->canvas().image() == there.Picture1->canvas().image()) << to.name;
        EXPECT_TRUE(moved.Picture3->canvas().image() == there.Picture3->canvas().image()) << to.name;
        EXPECT_TRUE(moved.Picture1->grab().toImage() == there.Picture1->grab().toImage()) << to.name;
    }
}

}  // namespace
}  // namespace mepo
