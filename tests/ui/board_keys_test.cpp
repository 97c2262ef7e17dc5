// The board from the keyboard, in the window: keys typed on the board reach
// the session and link a pair, a message box takes them, the pointer hides
// the cursor's outline, and the outline is drawn over the board's picture,
// never into it.
#include <QApplication>

#include "support/form_fixture.h"

namespace mepo {

using test::FormTest;

namespace {

// A key where the keyboard is: an open menu, or the focused widget.
void key(int k, Qt::KeyboardModifiers m = {}) {
    QWidget* to = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : QApplication::focusWidget();
    ASSERT_NE(to, nullptr);
    QTest::keyClick(to, static_cast<Qt::Key>(k), m);
}

}  // namespace

TEST_F(FormTest, APairLinkedFromTheKeyboardAlone) {
    item("start").click();
    GameState& s = st();
    s.board(6, 4) = s.board(5, 4);  // two equal neighbours link straight
    key(Qt::Key_Down);  // the first key shows the cursor where it stands
    EXPECT_EQ(session().cursor(), (Cell{1, 1}));
    for (int k : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_End, Qt::Key_Home}) key(k);
    for (int i = 0; i < 4; ++i) key(Qt::Key_Right);
    key(Qt::Key_Space);
    EXPECT_EQ(s.picked, kTrue);
    key(Qt::Key_Right);
    key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(s.board(5, 4), 0);
    timer("Timer2").fire();
    for (int c : {5, 6}) EXPECT_EQ(board()->canvas().pixel(c * 34 + 17, 4 * 34 + 17), qRgb(192, 192, 192));
    // With Control the keys are not the board's.
    key(Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(session().cursor(), (Cell{6, 4}));

    // A click hides the outline; the next arrow shows it where it was.
    EXPECT_TRUE(session().cursorShown());
    QTest::mouseClick(board(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(session().cursorShown());
    key(Qt::Key_Left);
    EXPECT_TRUE(session().cursorShown());
    EXPECT_EQ(session().cursor(), (Cell{6, 4}));

    // A message box over the board takes the keys.
    boxes.whileOpen = [this] { QTest::keyClick(board(), Qt::Key_Left); };
    item("help").click();
    EXPECT_EQ(session().cursor(), (Cell{6, 4}));
}

TEST_F(FormTest, TheOutlineLiesOverTheBoardNeverInIt) {
    item("start").click();
    const QImage before = board()->grab().toImage();
    const QImage picture = board()->canvas().image();
    for (int k : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Right}) key(k);
    ASSERT_EQ(session().cursor(), (Cell{2, 2}));
    EXPECT_EQ(board()->canvas().image(), picture);
    // Just outside the cell, two bright pixels against it and a dark one
    // beyond; everything else as before.
    const QImage shown = board()->grab().toImage();
    const QRect cell(68, 68, 34, 34);
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            QRgb want = before.pixel(x, y);
            if (!cell.contains(x, y) && cell.adjusted(-3, -3, 3, 3).contains(x, y))
                want = cell.adjusted(-2, -2, 2, 2).contains(x, y) ? qRgb(255, 150, 0) : qRgb(24, 24, 24);
            ASSERT_EQ(shown.pixel(x, y), want) << x << "," << y;
        }

    // F10's menu takes the keys and hides the outline; Esc gives them back.
    key(Qt::Key_F10);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(board()->grab().toImage(), before);
    key(Qt::Key_Escape);
    EXPECT_TRUE(session().cursorShown());
    key(Qt::Key_Right);
    EXPECT_EQ(session().cursor(), (Cell{3, 2}));
}

}  // namespace mepo
