#include "own_frame.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <QWindow>
#include <cmath>

#include "frame_button.h"
#include "../window_states.h"

namespace mepo {

namespace {

constexpr int kIconSize = 16;
constexpr int kButtonGap = 2;
// Corners reach this far along each edge: easier to catch than the border.
constexpr int kCorner = 2 * OwnFrame::kBorder + 8;

}  // namespace

OwnFrame::OwnFrame(QWidget& window, Kind kind) : QObject(&window), window_(window), kind_(kind), bar_(new QWidget(&window)) {
    bar_->setObjectName(QStringLiteral("titleBar"));
    bar_->setAttribute(Qt::WA_OpaquePaintEvent);
    bar_->setMouseTracking(true);
    bar_->setAccessibleName(window.windowTitle());
    using K = FrameButton::Kind;
    for (K k : {K::Minimise, K::Maximise, K::Close}) {
        if (kind == Kind::Box && k != K::Close) continue;
        auto* b = new FrameButton(k, window, bar_);
        buttons_[static_cast<int>(k)] = b;
        QObject::connect(b, &QAbstractButton::clicked, this, [this, k] {
            if (k == K::Minimise) window_.showMinimized();
            if (k == K::Maximise) toggleMaximised();
            if (k == K::Close) window_.close();
        });
    }
    window.installEventFilter(this);
    bar_->installEventFilter(this);
    if (kind == Kind::Window) window.setMouseTracking(true);  // the borders show where they resize
    fit();
}

void OwnFrame::fit() {
    const Qt::WindowStates s = window_.windowState();
    const int b = (s & kSizedByTheDesktop) ? 0 : kBorder;
    const int height = std::max(kIconSize + 10, QFontMetrics(bar_->font()).height() + 12);
    const int t = (s & Qt::WindowFullScreen) ? 0 : height;
    bar_->setVisible(t > 0);
    bar_->setGeometry(0, 0, window_.width(), t);
    window_.setContentsMargins(b, t, b, b);
    for (FrameButton* button : buttons_)
        if (button) button->fitName();
    placeButtons();
}

void OwnFrame::placeButtons() {
    const int side = bar_->height() - 8, top = (bar_->height() - side) / 2 + 1;
    int right = bar_->width() - kBorder - 2;
    for (int k = 2; k >= 0; --k) {
        if (!buttons_[k]) continue;
        buttons_[k]->setGeometry(right - side, top, side, side);
        right -= side + kButtonGap;
    }
}

Qt::Edges OwnFrame::edgesAt(QPoint p) const {
    if (kind_ != Kind::Window || (window_.windowState() & kSizedByTheDesktop)) return {};
    const int w = window_.width(), h = window_.height();
    const bool onLeft = p.x() < kBorder, onRight = p.x() >= w - kBorder;
    const bool onTop = p.y() < kBorder, onBottom = p.y() >= h - kBorder;
    const bool onSide = onLeft || onRight, onEnd = onTop || onBottom;
    Qt::Edges edges;
    if (onLeft || (p.x() < kCorner && onEnd)) edges |= Qt::LeftEdge;
    if (onRight || (p.x() >= w - kCorner && onEnd)) edges |= Qt::RightEdge;
    if (onTop || (p.y() < kCorner && onSide)) edges |= Qt::TopEdge;
    if (onBottom || (p.y() >= h - kCorner && onSide)) edges |= Qt::BottomEdge;
    return edges;
}

bool OwnFrame::eventFilter(QObject* watched, QEvent* e) {
    if (watched == &window_) return windowEvent(e);
    if (watched == bar_) return barEvent(e);
    return false;
}

bool OwnFrame::windowEvent(QEvent* e) {
    switch (e->type()) {
    case QEvent::Resize:
        bar_->setGeometry(0, 0, window_.width(), bar_->height());
        placeButtons();
        break;
    case QEvent::Paint: paintBorders(); break;
    case QEvent::WindowStateChange:
        fit();
        window_.update();
        break;
    case QEvent::WindowTitleChange:
        bar_->setAccessibleName(window_.windowTitle());
        bar_->update();
        break;
    case QEvent::ActivationChange:
        // The title bar and the borders take the colours of an active window.
        bar_->update();
        window_.update();
        break;
    case QEvent::MouseButtonPress: return press(static_cast<QMouseEvent*>(e), static_cast<QMouseEvent*>(e)->position().toPoint());
    case QEvent::MouseMove: showEdges(window_, static_cast<QMouseEvent*>(e)->position().toPoint()); break;
    default: break;
    }
    return false;
}

bool OwnFrame::barEvent(QEvent* e) {
    switch (e->type()) {
    case QEvent::Paint: paintBar(); return true;
    case QEvent::MouseButtonPress: {
        auto* m = static_cast<QMouseEvent*>(e);
        if (press(m, bar_->mapTo(&window_, m->position().toPoint())) || m->button() != Qt::LeftButton) return true;
        pressedAt_ = m->position().toPoint();  // a move, once the pointer has gone a few pixels
        return true;
    }
    case QEvent::MouseMove: {
        auto* m = static_cast<QMouseEvent*>(e);
        const QPoint at = m->position().toPoint();
        if (pressedAt_ && (m->buttons() & Qt::LeftButton) &&
            (at - *pressedAt_).manhattanLength() >= QApplication::startDragDistance()) {
            pressedAt_.reset();
            ++movesAsked_;
            if (QWindow* w = window_.windowHandle()) w->startSystemMove();
        } else if (!pressedAt_) {
            showEdges(*bar_, bar_->mapTo(&window_, at));
        }
        return true;
    }
    case QEvent::MouseButtonRelease: pressedAt_.reset(); return true;
    case QEvent::MouseButtonDblClick: {
        auto* m = static_cast<QMouseEvent*>(e);
        if (kind_ == Kind::Window && m->button() == Qt::LeftButton && !edgesAt(bar_->mapTo(&window_, m->position().toPoint())))
            toggleMaximised();
        return true;
    }
    case QEvent::Leave: bar_->unsetCursor(); return false;
    default: return false;
    }
}

// A press on a border or corner resizes the window, as a compositor's would.
bool OwnFrame::press(QMouseEvent* e, QPoint inWindow) {
    const Qt::Edges edges = edgesAt(inWindow);
    if (e->button() != Qt::LeftButton || !edges || !window_.windowHandle()) return false;
    pressedAt_.reset();
    window_.windowHandle()->startSystemResize(edges);
    return true;
}

void OwnFrame::showEdges(QWidget& under, QPoint inWindow) {
    const Qt::Edges edges = edgesAt(inWindow);
    const bool sideways = edges & (Qt::LeftEdge | Qt::RightEdge), upright = edges & (Qt::TopEdge | Qt::BottomEdge);
    if (!edges)
        under.unsetCursor();
    else if (sideways && upright)
        under.setCursor(edges == (Qt::RightEdge | Qt::BottomEdge) || edges == (Qt::LeftEdge | Qt::TopEdge)
                            ? Qt::SizeFDiagCursor
                            : Qt::SizeBDiagCursor);
    else
        under.setCursor(sideways ? Qt::SizeHorCursor : Qt::SizeVerCursor);
}

void OwnFrame::toggleMaximised() {
    if (window_.isMaximized())
        window_.showNormal();
    else
        window_.showMaximized();
}

QColor OwnFrame::frameColour() const {
    const QColor base = bar_->palette().color(QPalette::Window);
    return window_.isActiveWindow() ? base.darker(112) : base.darker(104);
}

QColor OwnFrame::outlineColour() const { return bar_->palette().color(QPalette::Window).darker(160); }

void OwnFrame::outline(QPainter& p, const QWidget& w, QColor colour, Qt::Edges edges) {
    // At a scale such as 1.25 a window's picture ends partway through its
    // last pixel: the right and bottom lines go on its last device pixels.
    const qreal ratio = w.devicePixelRatioF();
    const int right = static_cast<int>(std::ceil(w.width() * ratio)) - 1;
    const int bottom = static_cast<int>(std::ceil(w.height() * ratio)) - 1;
    p.save();
    p.resetTransform();
    p.scale(1 / ratio, 1 / ratio);  // device pixels
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(colour, 0));
    if (edges & Qt::TopEdge) p.drawLine(0, 0, right, 0);
    if (edges & Qt::LeftEdge) p.drawLine(0, 0, 0, bottom);
    if (edges & Qt::RightEdge) p.drawLine(right, 0, right, bottom);
    if (edges & Qt::BottomEdge) p.drawLine(0, bottom, right, bottom);
    p.restore();
}

void OwnFrame::paintBar() {
    QPainter p(bar_);
    const int w = bar_->width(), h = bar_->height();
    p.fillRect(bar_->rect(), frameColour());
    outline(p, *bar_, outlineColour(), Qt::TopEdge | Qt::LeftEdge | Qt::RightEdge);
    const int iconTop = (h - kIconSize) / 2 + 1;
    window_.windowIcon().paint(&p, QRect(kBorder + 4, iconTop, kIconSize, kIconSize));

    // The caption centred on the bar, shortened where the buttons begin.
    int buttonsLeft = w - kBorder;
    for (FrameButton* b : buttons_)
        if (b) buttonsLeft = std::min(buttonsLeft, b->x() - 4);
    const int iconRight = kBorder + 4 + kIconSize + 6;
    const int room = std::max(0, std::min(w / 2 - iconRight, buttonsLeft - w / 2) * 2);
    // In the window's own font, as the menu bar's: a bold one would load a
    // Chinese font face of its own, some 4 MiB and a tenth of the start-up,
    // for three characters.
    const QFont f = bar_->font();
    p.setFont(f);
    const auto group = window_.isActiveWindow() ? QPalette::Active : QPalette::Inactive;
    p.setPen(bar_->palette().color(group, QPalette::WindowText));
    const QString caption = QFontMetrics(f).elidedText(window_.windowTitle(), Qt::ElideRight, room);
    p.drawText(QRect((w - room) / 2, 1, room, h), Qt::AlignCenter, caption);
}

void OwnFrame::paintBorders() {
    if (window_.windowState() & kSizedByTheDesktop) return;
    // Painted under the window's own picture, in the margins nothing else paints.
    QPainter p(&window_);
    const QMargins m = window_.contentsMargins();
    const int w = window_.width(), h = window_.height();
    const QColor colour = frameColour();
    p.fillRect(QRect(0, m.top(), m.left(), h - m.top()), colour);
    p.fillRect(QRect(w - m.right(), m.top(), m.right(), h - m.top()), colour);
    p.fillRect(QRect(m.left(), h - m.bottom(), w - m.left() - m.right(), m.bottom()), colour);
    outline(p, window_, outlineColour(), Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge);
}

}  // namespace mepo
