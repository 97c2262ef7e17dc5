#include "board_cursor.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <algorithm>

#include "form1.h"
#include "render/geometry.h"
#include "toolkit/handler_scope.h"

namespace mepo {

namespace {

// The outline lies just outside the cell, over the neighbours' edges, so the
// cell's own frame (sunken when it is picked) stays in sight: a bright line
// two units wide against the cell, a dark one unit wide beyond it. A unit is
// the width of a cell's outermost pixel on the screen.
constexpr int kBrightUnits = 2;
constexpr int kDarkUnits = 1;
const QColor kBright(255, 150, 0);  // stands out on grey tiles, empty cells and the blue band
const QColor kDark(24, 24, 24);

// The widget covers the cell and this many pixels around it, room for the
// outline at any scale (at most 4 pixels of it at 1.5).
constexpr int kMargin = 5;

// Four strips filling rect less its inner part width device pixels in.
void fillRing(QPainter& p, const QRect& rect, int width, const QColor& colour) {
    p.fillRect(rect.left(), rect.top(), rect.width(), width, colour);
    p.fillRect(rect.left(), rect.bottom() - width + 1, rect.width(), width, colour);
    p.fillRect(rect.left(), rect.top() + width, width, rect.height() - 2 * width, colour);
    p.fillRect(rect.right() - width + 1, rect.top() + width, width, rect.height() - 2 * width, colour);
}

}  // namespace

BoardCursor::BoardCursor(Form1& form) : QWidget(form.Picture1), form_(form), board_(*form.Picture1) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
    moveTo(1, 1);
    // The board takes the keyboard focus when clicked and at every deal.
    board_.setFocusPolicy(Qt::StrongFocus);
    // The board's keys and focus, and whether the keyboard or the mouse was
    // used last anywhere in the game.
    qApp->installEventFilter(this);
}

bool BoardCursor::shown() const { return shown_; }

void BoardCursor::home() { moveTo(1, 1); }

void BoardCursor::keepInside() {
    moveTo(std::clamp<int>(col_, 1, std::max<int>(1, form_.st.cols)),
           std::clamp<int>(row_, 1, std::max<int>(1, form_.st.rows)));
}

void BoardCursor::moveTo(int col, int row) {
    const bool moved = col != col_ || row != row_;
    col_ = col;
    row_ = row;
    // Only the old and the new place are painted again.
    setGeometry(col_ * kCellPixels - kMargin, row_ * kCellPixels - kMargin, kCellPixels + 2 * kMargin,
                kCellPixels + 2 * kMargin);
    if (moved && onMoved) onMoved();
}

void BoardCursor::updateShown() {
    const bool want = focused_ && keyboardLast_;
    if (want == shown_) return;
    shown_ = want;
    setVisible(want);
    if (onMoved) onMoved();
}

bool BoardCursor::eventFilter(QObject* watched, QEvent* e) {
    switch (e->type()) {
    case QEvent::KeyPress:
        if (watched == &board_ && boardKey(static_cast<QKeyEvent&>(*e))) return true;
        keyboardLast_ = true;
        if (closingMenu_) return false;
        if (static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape && isGameMenu(watched)) {
            // The menu closes as it always does, leaving its title lit on
            // the menu bar under the keyboard; the keyboard goes on to the
            // board instead.
            closingMenu_ = true;
            QCoreApplication::sendEvent(watched, e);
            closingMenu_ = false;
            menuClosed();
            return true;
        }
        updateShown();
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (keyboardLast_) {
            keyboardLast_ = false;
            updateShown();
        }
        return false;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (watched == &board_) {
            // A menu open over the window takes the keys, though the board
            // keeps its place as the window's focus.
            focused_ = e->type() == QEvent::FocusIn;
            // (While a menu closes by Esc the focus passes by the board and
            // the menu bar before it settles.)
            if (!closingMenu_) updateShown();
        }
        return false;
    default:
        return false;
    }
}

bool BoardCursor::boardKey(const QKeyEvent& e) {
    if (e.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const int key = e.key();
    const bool move = key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down ||
                      key == Qt::Key_Home || key == Qt::Key_End;
    const bool press = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!move && !press) return false;
    // The keys reach the board when a click would: while it is enabled, and
    // never past a message box.
    if (!board_.isEnabled() || QApplication::activeModalWidget()) return true;
    if (!shown_) {
        // The first key after the mouse only shows where the cursor stands.
        keyboardLast_ = true;
        updateShown();
        if (shown_) return true;
    }
    const int cols = std::max<int>(1, form_.st.cols), rows = std::max<int>(1, form_.st.rows);
    switch (key) {
    case Qt::Key_Left: moveTo(std::max(1, col_ - 1), row_); break;
    case Qt::Key_Right: moveTo(std::min(cols, col_ + 1), row_); break;
    case Qt::Key_Up: moveTo(col_, std::max(1, row_ - 1)); break;
    case Qt::Key_Down: moveTo(col_, std::min(rows, row_ + 1)); break;
    case Qt::Key_Home: moveTo(1, row_); break;
    case Qt::Key_End: moveTo(cols, row_); break;
    default:
        // Held down, the key presses once.
        if (!e.isAutoRepeat()) pressCell();
        break;
    }
    return true;
}

bool BoardCursor::isGameMenu(QObject* o) const {
    for (const MenuItem* m : {&form_.game, &form_.meuOption, &form_.dtmh})
        if (o == m->menu()) return true;
    return false;
}

void BoardCursor::menuClosed() {
    if (!QApplication::activePopupWidget() && form_.menuBar()->hasFocus()) {
        if (board_.isEnabled())
            board_.setFocus(Qt::MenuBarFocusReason);
        else
            form_.menuBar()->clearFocus();  // the bar leaves the keyboard
    }
    updateShown();
}

void BoardCursor::pressCell() {
    // The cell's centre, in the board's twips; each half is a handler of its
    // own, as the mouse's press and release are.
    const auto x = static_cast<float>(cellTwips(col_) + kCellTwips / 2);
    const auto y = static_cast<float>(cellTwips(row_) + kCellTwips / 2);
    {
        HandlerScope scope;
        form_.Picture1_MouseDown(1, 0, x, y);
    }
    {
        HandlerScope scope;
        form_.Picture1_MouseUp(1, 0, x, y);
    }
}

void BoardCursor::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // Drawn in device pixels from the board's first device pixel, found as
    // the board finds it, on the cell's device pixels as the board's pixel
    // grid lays them out: the outline meets the cell exactly at any scale.
    const QTransform toDevice = p.deviceTransform();
    if (toDevice.type() > QTransform::TxScale) return;
    const QPoint board(qRound(toDevice.dx() - x() * toDevice.m11()), qRound(toDevice.dy() - y() * toDevice.m22()));
    p.setWorldTransform(QTransform::fromTranslate(board.x(), board.y()) * toDevice.inverted());
    const PixelGrid& grid = board_.canvas().grid();
    const QRect cell(QPoint(grid.cellStart(col_), grid.cellStart(row_)),
                     QPoint(grid.cellStart(col_ + 1) - 1, grid.cellStart(row_ + 1) - 1));
    const int unit = grid.edgeWidth();
    const int bright = kBrightUnits * unit, dark = kDarkUnits * unit;
    fillRing(p, cell.adjusted(-bright, -bright, bright, bright), bright, kBright);
    fillRing(p, cell.adjusted(-bright - dark, -bright - dark, bright + dark, bright + dark), dark, kDark);
}

}  // namespace mepo
