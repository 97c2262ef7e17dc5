#include "title_bar.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWindow>
#include <cmath>

namespace mepo {

namespace {

constexpr int kButtonGap = 2;
constexpr int kIconSize = 16;

}  // namespace

TitleBar::TitleBar(QWidget& window, bool windowButtons)
    : QWidget(&window), window_(window), windowButtons_(windowButtons) {
    setObjectName(QStringLiteral("titleBar"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize TitleBar::sizeHint() const {
    const int h = std::max(kIconSize + 10, QFontMetrics(font()).height() + 12);
    return {window_.width(), h};
}

QColor TitleBar::frameColour() const {
    const QColor base = palette().color(QPalette::Window);
    return window_.isActiveWindow() ? base.darker(112) : base.darker(104);
}

QColor TitleBar::outlineColour() const { return palette().color(QPalette::Window).darker(160); }

void TitleBar::outline(QPainter& p, const QWidget& w, QColor colour, Qt::Edges edges) {
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

QRect TitleBar::buttonRect(Button b) const {
    const int side = height() - 8;
    const int index = b == Button::Close ? 0 : b == Button::Maximise ? 1 : 2;  // from the right
    const int right = width() - kBorder - 2 - index * (side + kButtonGap);
    return {right - side, (height() - side) / 2 + 1, side, side};
}

TitleBar::Button TitleBar::buttonAt(QPoint p) const {
    for (Button b : {Button::Minimise, Button::Maximise, Button::Close})
        if ((b == Button::Close || windowButtons_) && buttonRect(b).contains(p)) return b;
    return Button::None;
}

void TitleBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), frameColour());
    outline(p, *this, outlineColour(), Qt::TopEdge | Qt::LeftEdge | Qt::RightEdge);

    const int iconTop = (height() - kIconSize) / 2 + 1;
    window_.windowIcon().paint(&p, QRect(kBorder + 4, iconTop, kIconSize, kIconSize));

    // The caption centred on the bar, shortened where the buttons begin.
    const int buttonsLeft = buttonRect(windowButtons_ ? Button::Minimise : Button::Close).left() - 4;
    const int iconRight = kBorder + 4 + kIconSize + 6;
    const int room = std::max(0, std::min(width() / 2 - iconRight, buttonsLeft - width() / 2) * 2);
    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    p.setPen(palette().color(window_.isActiveWindow() ? QPalette::Active : QPalette::Inactive, QPalette::WindowText));
    const QString caption = QFontMetrics(f).elidedText(window_.windowTitle(), Qt::ElideRight, room);
    p.drawText(QRect((width() - room) / 2, 1, room, height()), Qt::AlignCenter, caption);

    for (Button b : {Button::Minimise, Button::Maximise, Button::Close})
        if (b == Button::Close || windowButtons_) drawButton(p, b);
}

void TitleBar::drawButton(QPainter& p, Button b) const {
    const QRect r = buttonRect(b);
    const bool hot = hovered_ == b, down = pressed_ == b && hot;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (hot) {
        QColor bg = b == Button::Close ? QColor(196, 43, 28) : palette().color(QPalette::Window).darker(down ? 135 : 122);
        if (b == Button::Close && down) bg = bg.darker(120);
        QPainterPath shape;
        shape.addRoundedRect(QRectF(r), 3, 3);
        p.fillPath(shape, bg);
    }
    const QColor ink = hot && b == Button::Close ? QColor(Qt::white) : palette().color(QPalette::WindowText);
    QPen pen(ink, 1.2);
    pen.setCapStyle(Qt::SquareCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QRectF g = QRectF(r).adjusted(r.width() * 0.3, r.height() * 0.3, -r.width() * 0.3, -r.height() * 0.3);
    switch (b) {
    case Button::Minimise: p.drawLine(QPointF(g.left(), g.bottom()), QPointF(g.right(), g.bottom())); break;
    case Button::Maximise:
        if (window_.isMaximized()) {
            const qreal d = g.width() * 0.25;
            p.drawRect(g.adjusted(0, d, -d, 0));
            p.drawPolyline(QPolygonF({QPointF(g.left() + d, g.top() + d), QPointF(g.left() + d, g.top()),
                                      QPointF(g.right(), g.top()), QPointF(g.right(), g.bottom() - d),
                                      QPointF(g.right() - d, g.bottom() - d)}));
        } else {
            p.drawRect(g);
        }
        break;
    case Button::Close:
        p.drawLine(g.topLeft(), g.bottomRight());
        p.drawLine(g.topRight(), g.bottomLeft());
        break;
    case Button::None: break;
    }
    p.restore();
}

void TitleBar::toggleMaximised() {
    if (window_.isMaximized())
        window_.showNormal();
    else
        window_.showMaximized();
}

void TitleBar::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    pressed_ = buttonAt(e->position().toPoint());
    if (pressed_ != Button::None) {
        update();
        return;
    }
    QWindow* w = window_.windowHandle();
    if (!w) return;
    // The top edge resizes, the rest of the bar moves the window.
    if (windowButtons_ && e->position().y() < kBorder && !window_.isMaximized())
        w->startSystemResize(Qt::TopEdge);
    else
        w->startSystemMove();
}

void TitleBar::mouseMoveEvent(QMouseEvent* e) {
    const Button now = buttonAt(e->position().toPoint());
    if (now != hovered_) {
        hovered_ = now;
        update();
    }
    if (windowButtons_ && e->position().y() < kBorder && now == Button::None && !window_.isMaximized())
        setCursor(Qt::SizeVerCursor);
    else
        unsetCursor();
}

void TitleBar::mouseReleaseEvent(QMouseEvent* e) {
    const Button was = pressed_;
    pressed_ = Button::None;
    update();
    if (e->button() != Qt::LeftButton || was == Button::None || buttonAt(e->position().toPoint()) != was) return;
    switch (was) {
    case Button::Minimise: window_.showMinimized(); break;
    case Button::Maximise: toggleMaximised(); break;
    case Button::Close: window_.close(); break;
    case Button::None: break;
    }
}

void TitleBar::mouseDoubleClickEvent(QMouseEvent* e) {
    if (windowButtons_ && e->button() == Qt::LeftButton && buttonAt(e->position().toPoint()) == Button::None)
        toggleMaximised();
}

void TitleBar::leaveEvent(QEvent*) {
    hovered_ = Button::None;
    unsetCursor();
    update();
}

}  // namespace mepo
