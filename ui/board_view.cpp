#include "board_view.h"

#include <QAccessible>
#include <QEvent>
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
    board_.installEventFilter(this);
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
    if (!board_.hasFocus()) {
        waiting_ = QString::fromStdString(words);
        return;
    }
    speak(QString::fromStdString(words));
}

void BoardView::speak(const QString& words) {
    QAccessibleInterface* about = access_->table();
    if (!about) return;
    if (voice)
        voice(about, words);
    else
        reader_.say(about, words);
}

bool BoardView::eventFilter(QObject* watched, QEvent* e) {
    if (watched == &board_ && e->type() == QEvent::FocusIn && !waiting_.isEmpty()) {
        // After Qt's own news that the board has the focus.
        QTimer::singleShot(0, this, [this] {
            if (!board_.hasFocus() || waiting_.isEmpty()) return;
            speak(waiting_);
            waiting_.clear();
        });
    }
    if (watched == &board_ && e->type() == QEvent::FocusOut) waiting_.clear();
    return false;
}

}  // namespace mepo
