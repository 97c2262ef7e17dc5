#include "board_view.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>

#include "board_access.h"
#include "board_outline.h"
#include "board_words.h"
#include "flow/countdown.h"
#include "game/same_tile.h"
#include "render/geometry.h"
#include "toolkit/handler_scope.h"
#include "toolkit/picture_box.h"

namespace mepo {

namespace {

// The board widget's property that carries its view.
constexpr char kViewProperty[] = "mepoBoardView";

enum class KeyRole { None, Move, Press, Jump, Status };

KeyRole roleOf(int key) {
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End: return KeyRole::Move;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: return KeyRole::Press;
    case Qt::Key_N:
    case Qt::Key_P: return KeyRole::Jump;
    case Qt::Key_T: return KeyRole::Status;
    default: return KeyRole::None;
    }
}

}  // namespace

BoardView::BoardView(const GameState& state, PictureBox& board, Click press, Click release)
    : state_(state),
      board_(board),
      press_(std::move(press)),
      release_(std::move(release)),
      access_(std::make_unique<BoardAccess>(*this)) {
    board_.setProperty(kViewProperty, QVariant::fromValue(static_cast<QObject*>(this)));
    // The board takes the keyboard focus when clicked and at every deal.
    board_.setFocusPolicy(Qt::StrongFocus);
    board_.overlay = [this](QPainter& p) {
        if (shown_) paintCellOutline(p, board_.canvas().grid(), cursor_);
    };
    // The board's keys and focus, and whether the keyboard or the mouse was
    // used last anywhere in the game.
    qApp->installEventFilter(this);
    access_->install();
}

BoardView::~BoardView() {
    board_.overlay = nullptr;
    board_.setProperty(kViewProperty, QVariant());
    access_.reset();
}

BoardView* BoardView::of(const QObject* board) {
    return board ? dynamic_cast<BoardView*>(board->property(kViewProperty).value<QObject*>()) : nullptr;
}

bool BoardView::focused() const { return focused_; }

// ---- What the window tells ----

void BoardView::dealt() {
    blank_ = false;
    access_->reshape();
    access_->renamed();
    moveTo({1, 1});
    // The keyboard plays at once, from the first tile.
    board_.setFocus(Qt::OtherFocusReason);
    updateShown();
    tellFocusSoon();
}

void BoardView::released(Release outcome) {
    const GameState& s = state_;
    switch (outcome) {
    case Release::Nothing:
    case Release::RestoreFrame: return;
    case Release::Selected:
        picked_ = {s.pick(1, 1), s.pick(1, 2)};
        access_->selectionChanged(picked_);
        if (!blank_) speak(pickedWords(tileName(s.pick(1, 0))));
        return;
    case Release::Failed:
        access_->selectionChanged(picked_);
        if (blank_) return;
        // The picked tile pressed again, or a pair that does not link.
        if (s.pick(1, 1) == s.pick(2, 1) && s.pick(1, 2) == s.pick(2, 2))
            speak(unpickedWords(tileName(s.pick(2, 0))));
        else
            speak(refusedWords(tileName(s.pick(2, 0))));
        return;
    case Release::Linked:
        access_->selectionChanged(picked_);
        access_->renamed({s.pick(1, 1), s.pick(1, 2)}, {s.pick(2, 1), s.pick(2, 2)});
        linkedCode_ = s.pick(1, 0);
        return;
    }
}

void BoardView::linkErased() {
    if (linkedCode_ != 0 && !blank_) speak(linkedWords(tileName(linkedCode_), state_.score));
    linkedCode_ = 0;
}

void BoardView::timedOut() {
    blank_ = true;
    linkedCode_ = 0;
    updateShown();
    access_->renamed();
}

void BoardView::gridChanged() {
    moveTo({std::clamp<int>(cursor_.col, 1, std::max<int>(1, state_.cols)),
            std::clamp<int>(cursor_.row, 1, std::max<int>(1, state_.rows))});
    access_->reshape();
}

// ---- The cursor ----

void BoardView::moveTo(Cell c) {
    if (c == cursor_) return;
    // Only the old and the new place are painted again.
    board_.update(cellOutlineArea(cursor_));
    cursor_ = c;
    board_.update(cellOutlineArea(cursor_));
    if (shown_) tellFocus();
    if (onMoved) onMoved();
}

void BoardView::updateShown() {
    const bool want = focused_ && keyboardLast_ && !blank_;
    if (want == shown_) return;
    shown_ = want;
    board_.update(cellOutlineArea(cursor_));
    if (onMoved) onMoved();
}

void BoardView::tellFocusSoon() {
    if (tellPending_) return;
    tellPending_ = true;
    QTimer::singleShot(0, this, [this] {
        tellPending_ = false;
        tellFocus();
    });
}

void BoardView::tellFocus() {
    if (!focused_ || !shown_) return;
    access_->focus(cursor_);
    focusTold_ = true;
}

void BoardView::speak(const QString& words) {
    if (!QAccessible::isActive() || !say) return;
    // The object the reader follows: the cursor's cell once it was told the
    // cell has the focus, the board itself before.
    QAccessibleInterface* about = focusTold_ && focused_ ? access_->cell(cursor_) : access_->table();
    if (about) say(about, words);
}

// ---- Keys, focus and the last input ----

bool BoardView::eventFilter(QObject* watched, QEvent* e) {
    switch (e->type()) {
    case QEvent::KeyPress:
        if (watched == &board_ && boardKey(static_cast<QKeyEvent&>(*e))) return true;
        keyboardLast_ = true;
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
            if (!focused_) focusTold_ = false;
            updateShown();
            // After Qt's own news that the board has the focus.
            if (focused_) tellFocusSoon();
        }
        return false;
    default:
        return false;
    }
}

bool BoardView::boardKey(const QKeyEvent& e) {
    if (e.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const KeyRole role = roleOf(e.key());
    if (role == KeyRole::None) return false;
    // The keys reach the board when a click would: while it is enabled, and
    // never past a message box.
    if (!board_.isEnabled() || QApplication::activeModalWidget()) return true;
    if (role == KeyRole::Status) {
        speak(statusWords(QString::fromStdString(timeCaption(state_)), state_.score));
        return true;
    }
    // A blank board has no tiles to move over.
    if (blank_) return true;
    if (!shown_) {
        // The first key after the mouse only shows where the cursor stands.
        keyboardLast_ = true;
        updateShown();
        if (shown_) {
            tellFocus();
            return true;
        }
    }
    const int cols = std::max<int>(1, state_.cols), rows = std::max<int>(1, state_.rows);
    const Cell at = cursor_;
    switch (e.key()) {
    case Qt::Key_Left: moveTo({std::max(1, at.col - 1), at.row}); break;
    case Qt::Key_Right: moveTo({std::min(cols, at.col + 1), at.row}); break;
    case Qt::Key_Up: moveTo({at.col, std::max(1, at.row - 1)}); break;
    case Qt::Key_Down: moveTo({at.col, std::min(rows, at.row + 1)}); break;
    case Qt::Key_Home: moveTo({1, at.row}); break;
    case Qt::Key_End: moveTo({cols, at.row}); break;
    case Qt::Key_N:
    case Qt::Key_P:
        if (auto to = sameTile(state_, at, e.key() == Qt::Key_N ? 1 : -1))
            moveTo(*to);
        else
            speak(tileName(state_.board(at.col, at.row)));  // an empty cell, or a lone tile
        break;
    default:
        // Held down, the key presses once.
        if (!e.isAutoRepeat()) pressCell();
        break;
    }
    return true;
}

void BoardView::pressCell() {
    // The cell's centre, in the board's units; each half is a handler of its
    // own, as the mouse's press and release are.
    const auto k = static_cast<float>(board_.canvas().unitsPerPixel());
    const float x = (static_cast<float>(cursor_.col * kCellPixels) + kCellPixels / 2.0f) * k;
    const float y = (static_cast<float>(cursor_.row * kCellPixels) + kCellPixels / 2.0f) * k;
    {
        HandlerScope scope;
        press_(x, y);
    }
    {
        HandlerScope scope;
        release_(x, y);
    }
}

}  // namespace mepo
