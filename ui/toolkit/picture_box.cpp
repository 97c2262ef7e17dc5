#include "picture_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace mepo {

PictureBox::PictureBox(std::string name, QWidget* parent, int unitsPerPixel, QSize extent, Canvas::Layout layout)
    : QWidget(parent),
      WidgetControl(std::move(name), *this),
      canvas_(unitsPerPixel, palette().color(QPalette::Button).rgb(), extent, layout),
      extent_(extent) {
    setObjectName(QString::fromStdString(this->name()));
    setAttribute(Qt::WA_OpaquePaintEvent);
    canvas_.setScale(devicePixelRatioF());
    if (parent) parent->installEventFilter(this);
    fitCanvas();
}

void PictureBox::clearPicture() {
    canvas_.clear();
    update();
}

void PictureBox::fitCanvas() {
    // Without an extent of its own the box keeps what is drawn on it as far
    // as it could show across the rest of its window. (The time bar's
    // stripes cover it whole: they follow it to any width by themselves.)
    if (extent_.isEmpty() && parentWidget()) canvas_.setLimit(QSize(parentWidget()->width() - x(), QWidget::height()));
    canvas_.setBox(size());
}

void PictureBox::takeScreenScale() {
    const qreal ratio = devicePixelRatioF();
    if (ratio == canvas_.scale()) return;
    if (beforeScale) beforeScale(ratio);
    canvas_.setScale(ratio);
}

void PictureBox::paintEvent(QPaintEvent* e) {
    takeScreenScale();
    QPainter p(this);
    // The image is shown device pixel for device pixel from the device pixel
    // where the box begins (to the nearest, as the window places the box),
    // so what is sharp in it stays sharp at any density.
    const QTransform toDevice = p.deviceTransform();
    if (toDevice.type() > QTransform::TxScale) return;
    const QPoint origin(qRound(toDevice.dx()), qRound(toDevice.dy()));
    const QRect exposed = toDevice.mapRect(QRectF(e->rect())).toAlignedRect().translated(-origin);
    p.setWorldTransform(QTransform::fromTranslate(origin.x(), origin.y()) * toDevice.inverted());
    const QRect held(QPoint(0, 0), canvas_.image().size());
    const QRect shown = exposed & held;
    if (!shown.isEmpty()) p.drawImage(shown, canvas_.image(), shown);
    // Where nothing has been drawn the box shows its plain background.
    for (const QRect& r : QRegion(exposed).subtracted(held)) p.fillRect(r, QColor::fromRgb(canvas_.background()));
    if (overlay) overlay(p);
}

void PictureBox::resizeEvent(QResizeEvent*) {
    fitCanvas();
    placeBorder();
}

void PictureBox::moveEvent(QMoveEvent*) {
    fitCanvas();
    placeBorder();
}

bool PictureBox::eventFilter(QObject* watched, QEvent* e) {
    if (watched == parentWidget() && e->type() == QEvent::Resize) fitCanvas();
    return false;
}

void PictureBox::showSunkenBorder() {
    if (border_ || !parentWidget()) return;
    border_ = new QFrame(parentWidget());
    border_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    border_->setLineWidth(1);
    border_->setAttribute(Qt::WA_TransparentForMouseEvents);
    border_->stackUnder(this);
    placeBorder();
    border_->setVisible(!isHidden());
}

void PictureBox::placeBorder() {
    if (border_) border_->setGeometry(geometry().adjusted(-1, -1, 1, 1));
}

void PictureBox::setVisible(bool visible) {
    QWidget::setVisible(visible);
    if (border_) border_->setVisible(visible);
}

static int buttonCode(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

static int shiftCode(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

void PictureBox::deliver(const MouseHandler& h, QMouseEvent* e) {
    if (!h) return;
    const float k = static_cast<float>(canvas_.unitsPerPixel());
    h(buttonCode(e->button()), shiftCode(e->modifiers()), static_cast<float>(e->position().x()) * k,
      static_cast<float>(e->position().y()) * k);
}

void PictureBox::mousePressEvent(QMouseEvent* e) { deliver(onMouseDown, e); }
void PictureBox::mouseReleaseEvent(QMouseEvent* e) { deliver(onMouseUp, e); }

}  // namespace mepo
