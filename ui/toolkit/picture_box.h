// A picture box: a widget that shows a persistent off-screen image. Whatever
// is drawn survives repaints, a message box over it, minimising and
// restoring; only drawing on it changes what it shows.
#pragma once

#include <QWidget>
#include <functional>

#include "render/canvas.h"
#include "widget_control.h"

namespace mepo {

class PictureBox : public QWidget, public WidgetControl {
public:
    // unitsPerPixel: 15 for a box drawn in twips, 1 for one drawn in pixels.
    // The image starts at least minWidthPx x minHeightPx large.
    PictureBox(std::string name, QWidget* parent, int unitsPerPixel, int minWidthPx, int minHeightPx);
    // Sizes in twips; QWidget::width() and height() give pixels.
    using WidgetControl::height;
    using WidgetControl::width;

    Canvas& canvas() { return canvas_; }
    // Shows what has been drawn.
    void refresh() { update(); }
    // An empty picture: back to the plain background.
    void clearPicture();

    // Press and release: button (1 left, 2 right, 4 middle), shift state
    // (1 shift, 2 control, 4 alt) and the position in the box's own units.
    using MouseHandler = std::function<void(int button, int shift, float x, float y)>;
    MouseHandler onMouseDown;
    MouseHandler onMouseUp;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    void deliver(const MouseHandler& h, QMouseEvent* e);
    Canvas canvas_;
};

}  // namespace mepo
