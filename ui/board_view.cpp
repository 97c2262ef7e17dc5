#include "board_view.h"

#include <QAccessible>
#include <QPainter>
#include <QTimer>

#include "board_access.h"
#include "board_outline.h"
#include "session/session.h"
#include "ui/toolkit/picture_box.h"

namespace mepo {

namespace {

// The board widget's property that carries its view.
constexpr char kViewProperty[] = "mepoBoardView";

}  // namespace

BoardView::BoardView(const Session& session, PictureBox& board)
    : session_(session), board_(board), access_(std::make_unique<BoardAccess>(*this)) {
    board_.setProperty(kViewProperty, QVariant::fromValue(static_cast<QObject*>(this)));
    // The board takes the keyboard focus when clicked and at every deal.
    board_.setFocusPolicy(Qt::StrongFocus);
    board_.overlay = [this](QPainter& p) {
        if (session_.cursorShown()) paintCellOutline(p, board_.canvas().grid(), session_.cursor());
    };
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

void BoardView::news(BoardNews what, Cell a, Cell b) {
    switch (what) {
    case BoardNews::Dealt:
        access_->reshape();
        access_->renamed();
        // The keyboard plays at once, from the first tile.
        board_.setFocus(Qt::OtherFocusReason);
        paintOutline();
        tellFocusSoon();
        return;
    case BoardNews::Blanked: access_->renamed(); return;
    case BoardNews::Linked: access_->renamed(a, b); return;
    case BoardNews::Selection: access_->selectionChanged(a); return;
    case BoardNews::Cursor: {
        // A move is told at once; an outline that comes (the first key after
        // the pointer, the focus back) once the events of the moment have gone.
        const bool moved = !(painted_ == session_.cursor());
        paintOutline();
        if (moved)
            tellFocus();
        else
            tellFocusSoon();
        return;
    }
    case BoardNews::Reshaped: access_->reshape(); return;
    }
}

void BoardView::paintOutline() {
    // Only the old and the new place are painted again.
    board_.update(cellOutlineArea(painted_));
    painted_ = session_.cursor();
    board_.update(cellOutlineArea(painted_));
}

void BoardView::focusChanged(bool focused) {
    // A menu open over the window takes the keys, though the board keeps its
    // place as the window's focus.
    focused_ = focused;
    if (!focused_) focusTold_ = false;
    // After Qt's own news that the board has the focus.
    if (focused_) tellFocusSoon();
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
    if (!focused_ || !session_.cursorShown()) return;
    access_->focus(session_.cursor());
    focusTold_ = true;
}

void BoardView::say(const std::string& words) {
    if (!QAccessible::isActive()) return;
    // The object the reader follows: the cursor's cell once it was told the
    // cell has the focus, the board itself before.
    QAccessibleInterface* about = focusTold_ && focused_ ? access_->cell(session_.cursor()) : access_->table();
    if (!about) return;
    const QString text = QString::fromStdString(words);
    if (voice)
        voice(about, text);
    else
        reader_.say(about, text);
}

}  // namespace mepo
