// The title bar and borders a window draws itself where the desktop leaves
// them to the window (a Wayland compositor without server-side title bars,
// such as GNOME's or weston; see wayland/title_bars.h). For the game's
// window: the icon, the caption, buttons to minimise, maximise or restore
// and close, borders and corners that resize it, the title bar's top edge
// and corners included, and a double click on the bar that maximises or
// restores it. For its message boxes: the caption and a close button, at
// the size their text gives them. A press on the bar moves the window once
// the pointer has moved a few pixels, so a click or a double click always
// arrives whole. Moves and resizes go through the compositor.
#pragma once

#include <QObject>
#include <QPoint>
#include <optional>

class QMouseEvent;
class QPainter;
class QWidget;

namespace mepo {

class FrameButton;

class OwnFrame : public QObject {
public:
    enum class Kind { Window, Box };
    // The borders beside and below the client area, in pixels.
    static constexpr int kBorder = 4;

    // Draws the frame on a top-level widget from now on; owned by it.
    OwnFrame(QWidget& window, Kind kind);

    // The title bar: its accessible name is the window's caption.
    QWidget* titleBar() const { return bar_; }
    // The bar's button of that kind (0 minimise, 1 maximise, 2 close); null
    // where the frame has none (a box has close alone).
    FrameButton* button(int kind) const { return buttons_[kind]; }
    // Margins and title bar as the window's state wants them: none beside
    // and below a maximised window, nothing at all on a full-screen one.
    void fit();
    // The edges that a press at a point of the window resizes; none where
    // the window does not resize (a box, a maximised window, inside).
    Qt::Edges edgesAt(QPoint inWindow) const;
    // How many moves a drag on the title bar has handed to the compositor.
    int movesAsked() const { return movesAsked_; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    bool windowEvent(QEvent* e);
    bool barEvent(QEvent* e);
    bool press(QMouseEvent* e, QPoint inWindow);
    void showEdges(QWidget& under, QPoint inWindow);
    void paintBar();
    void paintBorders();
    void placeButtons();
    void toggleMaximised();
    QColor frameColour() const;
    QColor outlineColour() const;
    // A line one device pixel wide along the given edges of a widget that
    // starts at its window's top-left corner, the right and bottom ones on
    // the last device pixels the window has.
    static void outline(QPainter& p, const QWidget& w, QColor colour, Qt::Edges edges);

    QWidget& window_;
    const Kind kind_;
    QWidget* bar_;
    FrameButton* buttons_[3] = {nullptr, nullptr, nullptr};
    // Where a press on the bar began, until it becomes a move or is released.
    std::optional<QPoint> pressedAt_;
    int movesAsked_ = 0;
};

}  // namespace mepo
