// A game window moved to a screen of another density draws its board and
// its time bar again there, as if the game had been played there.
#include <gtest/gtest.h>

#include <QTest>

#include "screens/screens.h"
#include "support/modal_closer.h"
#include "support/settle.h"
#include "support/desktop.h"
#include "support/window_parts.h"
#include "ui/form1.h"
#include "ui/toolkit/picture_box.h"

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
PictureBox* picture(const Form1& w, const char* name) { return partOf<PictureBox>(w, name); }

void showOn(Form1& w, const MonitorShape& shape) {
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.move(shape.geometry.topLeft() + QPoint(100, 80));
    ASSERT_TRUE(settle([&] { return picture(w, "Picture1")->canvas().scale() == shape.density; }, 5000)) << shape.name;
    EXPECT_EQ(picture(w, "Picture3")->canvas().scale(), shape.density);
}

void click(Form1& w, int col, int row) {
    const QPoint at(col * 34 + 17, row * 34 + 17);
    QTest::mousePress(picture(w, "Picture1"), Qt::LeftButton, {}, at);
    QTest::mouseRelease(picture(w, "Picture1"), Qt::LeftButton, {}, at);
}

// A seeded deal; a link of two neighbours, erased; a link round a corner
// through their cells, still showing; a tile picked. The countdown is
// stopped, so that no tick narrows the bar.
void play(Form1& w) {
    w.session().click(Part::start);
    w.session().click(Part::pause);
    GameState& s = w.session().arrange();
    s.board(2, 1) = s.board(1, 1);
    click(w, 1, 1);
    click(w, 2, 1);
    w.session().tick(TimerId::Timer2);
    s.board(3, 1) = s.board(1, 2);
    click(w, 1, 2);
    click(w, 3, 1);
    click(w, 5, 5);
}

TEST(Screens, BoardAndBarAreDrawnAgainAtTheDensityOfTheScreenTheyMoveTo) {
    ModalCloser boxes;
    for (const MonitorShape& to : {kRightScreen, kLowerScreen}) {
        const std::unique_ptr<Desktop> desktop = makeDesktop();
        const Form1::Options seeded{{[] { return 17u; }}, {}};
        Form1 moved(*desktop, seeded), there(*desktop, seeded);
        showOn(moved, kLeftScreen);
        play(moved);
        ASSERT_GT(moved.session().state().score, 0);  // the first link was made and erased
        showOn(moved, to);
        showOn(there, to);
        play(there);
        QCoreApplication::processEvents();
        EXPECT_TRUE(picture(moved, "Picture1")->canvas().image() == picture(there, "Picture1")->canvas().image()) << to.name;
        EXPECT_TRUE(picture(moved, "Picture3")->canvas().image() == picture(there, "Picture3")->canvas().image()) << to.name;
        EXPECT_TRUE(picture(moved, "Picture1")->grab().toImage() == picture(there, "Picture1")->grab().toImage()) << to.name;
    }
}

}  // namespace
}  // namespace mepo
