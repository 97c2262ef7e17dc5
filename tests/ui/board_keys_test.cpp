// The board from the keyboard: a link made with keys alone, the cursor kept
// inside the grid, and its outline drawn over the board's picture, never
// into it.
#include <QApplication>

#include "support/form_fixture.h"
#include "ui/board_view.h"

namespace mepo {

using test::FormTest;

namespace {

// A key where the keyboard is: an open menu, or the focused widget.
void key(int k, Qt::KeyboardModifiers m = {}) {
    QWidget* to = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : QApplication::focusWidget();
    ASSERT_NE(to, nullptr);
    QTest::keyClick(to, static_cast<Qt::Key>(k), m);
}

Cell at(const BoardView& view) { return view.cursor(); }

}  // namespace

TEST_F(FormTest, APairLinkedFromTheKeyboardAlone) {
    form->start.click();
    GameState& s = form->st;
    s.board(6, 4) = s.board(5, 4);  // two equal neighbours link straight
    key(Qt::Key_Down);  // the first key shows the cursor where it stands
    EXPECT_EQ(at(*form->boardView), (Cell{1, 1}));
    for (int k : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_End, Qt::Key_Home}) key(k);
    for (int i = 0; i < 4; ++i) key(Qt::Key_Right);
    key(Qt::Key_Space);
    EXPECT_EQ(s.picked, kTrue);
    key(Qt::Key_Right);
    key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(s.board(5, 4), 0);
    form->Timer2.fire();
    EXPECT_EQ(s.score, 20);
    for (int c : {5, 6}) EXPECT_EQ(form->Picture1->canvas().pixel(c * 34 + 17, 4 * 34 + 17), qRgb(192, 192, 192));
    EXPECT_EQ(at(*form->boardView), (Cell{6, 4}));

    // A message box over the board takes the keys.
    boxes.whileOpen = [this] { QTest::keyClick(form->Picture1, Qt::Key_Left); };
    form->help.click();
    EXPECT_EQ(at(*form->boardView), (Cell{6, 4}));
}

TEST_F(FormTest, TheCursorKeepsInsideTheGrid) {
    form->meuHigh.click();
    form->start.click();
    BoardView& cursor = *form->boardView;
    int told = 0;
    cursor.onMoved = [&] { ++told; };
    for (int k : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Left}) key(k);
    EXPECT_EQ(at(cursor), (Cell{1, 1}));
    EXPECT_EQ(told, 1);  // shown, and never moved
    key(Qt::Key_End);
    key(Qt::Key_Right);
    for (int i = 0; i < 20; ++i) key(Qt::Key_Down);
    EXPECT_EQ(at(cursor), (Cell{24, 14}));
    EXPECT_EQ(told, 1 + 1 + 13);

    // A click hides it; the next arrow shows it where it was.
    QTest::mouseClick(form->Picture1, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(cursor.outlineShown());
    key(Qt::Key_Left);
    EXPECT_TRUE(cursor.outlineShown());
    EXPECT_EQ(at(cursor), (Cell{24, 14}));

    form->Fail.click();
    form->Timer1.fire();
    form->meuBase.click();
    EXPECT_EQ(at(cursor), (Cell{12, 10}));
    form->start.click();
    EXPECT_EQ(at(cursor), (Cell{1, 1}));
}

TEST_F(FormTest, TheOutlineLiesOverTheBoardNeverInIt) {
    form->start.click();
    const QImage before = form->Picture1->grab().toImage();
    const QImage picture = form->Picture1->canvas().image();
    for (int k : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Right}) key(k);
    ASSERT_EQ(at(*form->boardView), (Cell{2, 2}));
    EXPECT_EQ(form->Picture1->canvas().image(), picture);
    // Just outside the cell, two bright pixels against it and a dark one
    // beyond; everything else as before.
    const QImage shown = form->Picture1->grab().toImage();
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
    EXPECT_EQ(form->Picture1->grab().toImage(), before);
    key(Qt::Key_Escape);
    EXPECT_TRUE(form->boardView->outlineShown());
    key(Qt::Key_Right);
    EXPECT_EQ(at(*form->boardView), (Cell{3, 2}));
}

}  // namespace mepo
