#include "frame_button.h"

#include <QPainter>
#include <QPainterPath>

namespace mepo {

FrameButton::FrameButton(Kind kind, QWidget& window, QWidget* bar) : QAbstractButton(bar), kind_(kind), window_(window) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_AlwaysShowToolTips);  // as a desktop's title bar, active or not
    setObjectName(kind == Kind::Close ? QStringLiteral("closeButton")
                  : kind == Kind::Maximise ? QStringLiteral("maximiseButton")
                                           : QStringLiteral("minimiseButton"));
    fitName();
}

void FrameButton::fitName() {
    QString name = kind_ == Kind::Close ? QStringLiteral("关闭") : QStringLiteral("最小化");
    if (kind_ == Kind::Maximise) name = window_.isMaximized() ? QStringLiteral("还原") : QStringLiteral("最大化");
    setToolTip(name);
    setAccessibleName(name);
    update();
}

QSize FrameButton::sizeHint() const { return {20, 20}; }

void FrameButton::enterEvent(QEnterEvent* e) {
    QAbstractButton::enterEvent(e);
    update();
}

void FrameButton::leaveEvent(QEvent* e) {
    QAbstractButton::leaveEvent(e);
    update();
}

void FrameButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = rect();
    const bool hot = underMouse(), down = isDown();
    if (hot || down) {
        QColor bg = kind_ == Kind::Close ? QColor(196, 43, 28) : palette().color(QPalette::Window).darker(down ? 135 : 122);
        if (kind_ == Kind::Close && down) bg = bg.darker(120);
        QPainterPath shape;
        shape.addRoundedRect(r, 3, 3);
        p.fillPath(shape, bg);
    }
    const QColor ink = (hot || down) && kind_ == Kind::Close ? QColor(Qt::white) : palette().color(QPalette::WindowText);
    QPen pen(ink, 1.2);
    pen.setCapStyle(Qt::SquareCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QRectF g = r.adjusted(r.width() * 0.3, r.height() * 0.3, -r.width() * 0.3, -r.height() * 0.3);
    switch (kind_) {
    case Kind::Minimise: p.drawLine(QPointF(g.left(), g.bottom()), QPointF(g.right(), g.bottom())); break;
    case Kind::Maximise:
        if (window_.isMaximized()) {
            // Two windows, one behind the other: restore.
            const qreal d = g.width() * 0.25;
            p.drawRect(g.adjusted(0, d, -d, 0));
            p.drawPolyline(QPolygonF({QPointF(g.left() + d, g.top() + d), QPointF(g.left() + d, g.top()),
                                      QPointF(g.right(), g.top()), QPointF(g.right(), g.bottom() - d),
                                      QPointF(g.right() - d, g.bottom() - d)}));
        } else {
            p.drawRect(g);
        }
        break;
    case Kind::Close:
        p.drawLine(g.topLeft(), g.bottomRight());
        p.drawLine(g.topRight(), g.bottomLeft());
        break;
    }
}

}  // namespace mepo
