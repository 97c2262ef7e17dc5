// The title bar of a window's own frame (own_frame.h): the icon, the
// caption, and buttons to close, and for the game's window to minimise and
// to maximise or restore. Dragging it moves the window, and on the game's
// window a double click maximises or restores it and its top edge resizes
// it, all through the compositor.
#pragma once

#include <QWidget>

class QPainter;

namespace mepo {

class TitleBar : public QWidget {
public:
    // The window's borders beside and below the client area, in pixels.
    static constexpr int kBorder = 4;

    // windowButtons: minimise and maximise besides close, a double click and
    // the top edge to resize; without them, close alone.
    TitleBar(QWidget& window, bool windowButtons);

    QSize sizeHint() const override;
    QColor frameColour() const;
    QColor outlineColour() const;

    // A line one device pixel wide along the given edges of a widget that
    // starts at its window's top-left corner, the right and bottom ones on
    // the last device pixels the window has (at a scale such as 1.25 a
    // window's picture ends partway through its last pixel).
    static void outline(QPainter& p, const QWidget& w, QColor colour, Qt::Edges edges);

    enum class Button { None, Minimise, Maximise, Close };
    // The button under a point of the bar.
    Button buttonAt(QPoint p) const;
    QRect buttonRect(Button b) const;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void leaveEvent(QEvent*) override;

private:
    void drawButton(QPainter& p, Button b) const;
    void toggleMaximised();

    QWidget& window_;
    const bool windowButtons_;
    Button hovered_ = Button::None;
    Button pressed_ = Button::None;
};

}  // namespace mepo
