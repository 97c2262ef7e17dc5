// A picture box: a widget that shows a persistent off-screen image. Whatever
// is drawn survives repaints, a message box over it, minimising and
// restoring; only drawing on it changes what it shows. The image is kept in
// device pixels and holds no more than the box shows, besides what has been
// drawn on it, and never more than the box's content can need. On a screen
// of another density the picture is drawn again there, as sharp as if it
// had been drawn there from the start.
#pragma once

#include <QFrame>
#include <QPointer>
#include <QWidget>
#include <functional>

class QPainter;

#include "render/canvas.h"
#include "widget_control.h"

namespace mepo {

class PictureBox : public QWidget, public WidgetControl {
public:
    // unitsPerPixel: 15 for a box drawn in twips, 1 for one drawn in pixels.
    // extent: the most its content can ever need, in pixels (the board: the
    // whole grid; the tile sheet: the sheet). Without one, the box keeps what
    // it could show across the rest of its window at its own height.
    // layout: how its pixels fall on device pixels (the board: in cells).
    PictureBox(std::string name, QWidget* parent, int unitsPerPixel, QSize extent = {},
               Canvas::Layout layout = Canvas::Layout::Plain);

    Canvas& canvas() { return canvas_; }
    const Canvas& canvas() const { return canvas_; }
    // Shows what has been drawn.
    void refresh() { update(); }
    // An empty picture: back to the plain background.
    void clearPicture();

    // A thin sunken border just outside the box, so its extent shows even
    // while it is blank; the box's own area and coordinates stay as they are.
    void showSunkenBorder();

    void setVisible(bool visible) override;

    // Press and release: button (1 left, 2 right, 4 middle), shift state
    // (1 shift, 2 control, 4 alt) and the position in the box's own units.
    using MouseHandler = std::function<void(int button, int shift, float x, float y)>;
    MouseHandler onMouseDown;
    MouseHandler onMouseUp;

    // Called when the box comes to a screen of another density (device
    // pixels per pixel), just before its picture is drawn again there: the
    // place to make ready at that density whatever the picture is copied
    // from (for the board, the tile sheet).
    std::function<void(qreal deviceRatio)> beforeScale;

    // Painted over the picture at every repaint, never into it (the
    // keyboard's cursor on the board): the painter draws in device pixels
    // from the device pixel where the box begins.
    std::function<void(QPainter& devicePainter)> overlay;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void moveEvent(QMoveEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void deliver(const MouseHandler& h, QMouseEvent* e);
    // Draws the picture again at the density of the box's screen.
    void takeScreenScale();
    void fitCanvas();
    void placeBorder();
    Canvas canvas_;
    QSize extent_;
    QPointer<QFrame> border_;
};

}  // namespace mepo
