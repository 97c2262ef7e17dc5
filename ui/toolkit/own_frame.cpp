#include "own_frame.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <QWindow>

#include "title_bar.h"

namespace mepo {

namespace {

constexpr Qt::WindowStates kSizedByTheDesktop = Qt::WindowMaximized | Qt::WindowFullScreen;

}  // namespace

OwnFrame::OwnFrame(QWidget& window, Kind kind)
    : QObject(&window), window_(window), bar_(new TitleBar(window, kind == Kind::Window)), kind_(kind) {
    window.installEventFilter(this);
    if (kind == Kind::Window) window.setMouseTracking(true);  // the borders show where they resize
    fit();
}

void OwnFrame::fit() {
    const Qt::WindowStates s = window_.windowState();
    const int b = (s & kSizedByTheDesktop) ? 0 : TitleBar::kBorder;
    const int t = (s & Qt::WindowFullScreen) ? 0 : bar_->sizeHint().height();
    bar_->setVisible(t > 0);
    bar_->setGeometry(0, 0, window_.width(), t);
    window_.setContentsMargins(b, t, b, b);
}

bool OwnFrame::eventFilter(QObject* watched, QEvent* e) {
    if (watched != &window_) return false;
    switch (e->type()) {
    case QEvent::Resize: bar_->setGeometry(0, 0, window_.width(), bar_->height()); break;
    case QEvent::Paint: paintBorders(); break;
    case QEvent::WindowStateChange:
        fit();
        window_.update();
        break;
    case QEvent::ActivationChange:
        // The title bar and the borders take the colours of an active window.
        bar_->update();
        window_.update();
        break;
    case QEvent::MouseButtonPress:
        // The borders resize the window, as a compositor's would.
        if (static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton && window_.windowHandle())
            if (const Qt::Edges edges = edgesAt(static_cast<QMouseEvent*>(e)->position().toPoint()))
                window_.windowHandle()->startSystemResize(edges);
        break;
    case QEvent::MouseMove: showEdges(static_cast<QMouseEvent*>(e)->position().toPoint()); break;
    default: break;
    }
    return false;
}

void OwnFrame::paintBorders() {
    if (window_.windowState() & kSizedByTheDesktop) return;
    // Painted under the window's own picture, in the margins nothing else paints.
    QPainter p(&window_);
    const QMargins m = window_.contentsMargins();
    const int w = window_.width(), h = window_.height();
    const QColor colour = bar_->frameColour();
    p.fillRect(QRect(0, m.top(), m.left(), h - m.top()), colour);
    p.fillRect(QRect(w - m.right(), m.top(), m.right(), h - m.top()), colour);
    p.fillRect(QRect(m.left(), h - m.bottom(), w - m.left() - m.right(), m.bottom()), colour);
    TitleBar::outline(p, window_, bar_->outlineColour(), Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge);
}

Qt::Edges OwnFrame::edgesAt(QPoint p) const {
    if (kind_ != Kind::Window || (window_.windowState() & kSizedByTheDesktop)) return {};
    const QMargins m = window_.contentsMargins();
    const int w = window_.width(), h = window_.height();
    const int corner = 2 * TitleBar::kBorder + 8;  // corners are easier to catch
    const bool low = p.y() >= h - corner;
    Qt::Edges edges;
    if (p.x() < m.left() || (low && p.x() < corner)) edges |= Qt::LeftEdge;
    if (p.x() >= w - m.right() || (low && p.x() >= w - corner)) edges |= Qt::RightEdge;
    if (p.y() >= h - m.bottom() || (low && (edges & (Qt::LeftEdge | Qt::RightEdge)))) edges |= Qt::BottomEdge;
    return edges;
}

void OwnFrame::showEdges(QPoint p) {
    const Qt::Edges edges = edgesAt(p);
    const bool sideways = edges & (Qt::LeftEdge | Qt::RightEdge), upright = edges & (Qt::TopEdge | Qt::BottomEdge);
    if (!edges)
        window_.unsetCursor();
    else if (sideways && upright)
        window_.setCursor(edges == (Qt::RightEdge | Qt::BottomEdge) ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor);
    else
        window_.setCursor(sideways ? Qt::SizeHorCursor : Qt::SizeVerCursor);
}

}  // namespace mepo
