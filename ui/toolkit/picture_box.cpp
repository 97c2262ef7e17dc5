#include "picture_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace mepo {

PictureBox::PictureBox(std::string name, QWidget* parent, int unitsPerPixel, int minWidthPx, int minHeightPx)
    : QWidget(parent),
      WidgetControl(std::move(name), *this),
      canvas_(minWidthPx, minHeightPx, unitsPerPixel, palette().color(QPalette::Button).rgb()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::clearPicture() {
    canvas_.clear();
    update();
}

void PictureBox::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    p.drawImage(e->rect(), canvas_.image(), e->rect());
}

void PictureBox::resizeEvent(QResizeEvent*) { canvas_.ensureSize(width(), height()); }

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
