#include "board_view.h"

#include <QAccessible>
#include <QPainter>

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
        return;
    case BoardNews::Blanked: access_->renamed(); return;
    case BoardNews::Linked: access_->renamed(a, b); return;
    case BoardNews::Selection: access_->selectionChanged(a); return;
    case BoardNews::Cursor: paintOutline(); return;
    case BoardNews::Reshaped: access_->reshape(); return;
    }
}

void BoardView::paintOutline() {
    // Only the old and the new place are painted again.
    board_.update(cellOutlineArea(painted_));
    painted_ = session_.cursor();
    board_.update(cellOutlineArea(painted_));
}

void BoardView::say(const std::string& words) {
    if (!QAccessible::isActive()) return;
    QAccessibleInterface* about = access_->table();
    if (!about) return;
    const QString text = QString::fromStdString(words);
    if (voice)
        voice(about, text);
    else
        reader_.say(about, text);
}

}  // namespace mepo
