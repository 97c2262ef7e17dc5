// The title bar and borders a window draws itself where the desktop leaves
// them to the window (a Wayland compositor without server-side title bars,
// such as GNOME's or weston; see wayland_desktop.h): the game's window, with
// buttons to minimise, maximise and close and borders that resize it, and
// its message boxes, with a close button, at the size their text gives them.
// Both are titled with their caption, and moved by their title bar.
#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

namespace mepo {

class TitleBar;

class OwnFrame : public QObject {
public:
    enum class Kind { Window, Box };
    // Draws the frame on a top-level widget from now on; owned by it.
    OwnFrame(QWidget& window, Kind kind);

    TitleBar* titleBar() const { return bar_; }
    // Margins and title bar as the window's state wants them: none beside
    // and below a maximised window, nothing at all on a full-screen one.
    void fit();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void paintBorders();
    Qt::Edges edgesAt(QPoint p) const;
    void showEdges(QPoint p);

    QWidget& window_;
    TitleBar* bar_;
    const Kind kind_;
};

}  // namespace mepo
