// The main window as the game sees it: a client area below the menu bar in
// twips, an outer size, a position on the screen, and a resize handler that
// runs to completion inside every assignment of the outer size.
//
// On a real X server the window manager resizes and moves windows when it
// gets round to it. The client area follows every assignment at once, so
// the game lays itself out before the assignment returns; the window itself
// is asked for its new place and size once, when the running handler has
// finished, so it never passes through half-done sizes on the screen.
#pragma once

#include <QMainWindow>
#include <QMargins>
#include <QTimer>
#include <optional>

namespace mepo {

class FormWindow : public QMainWindow {
public:
    FormWindow();

    QWidget* client() const { return client_; }
    double clientWidth() const;   // twips
    double clientHeight() const;  // twips

    // The game's window sizes were laid out for a frame and a menu bar that
    // together take 115 twips across and 690 twips down: the design client
    // area of 7485 x 7110 twips belongs to an outer size of 7600 x 7800. An
    // outer size assigned here keeps exactly those margins around the client
    // area, whatever this desktop's decorations and menu bar really measure,
    // so that an outer size always gives the same client area (7600 x 7800
    // the design one, the larger difficulties boards with room for every
    // cell). A maximised or minimised window is restored first.
    static constexpr double kFrameWidth = 115;
    static constexpr double kFrameHeight = 690;
    void setOuterWidth(double twips);
    void setOuterHeight(double twips);

    // The outer size as the window really stands (or is about to stand):
    // the client area with this desktop's menu bar and window frame.
    double outerWidth() const;
    double outerHeight() const;

    // The top-left corner of the window's frame on the screen.
    double left() const;
    double top() const;
    void setLeft(double twips);
    void setTop(double twips);
    // left = (screen width - outer width) / 2, then top = (screen height -
    // bottomReserve - outer height) / 2. Done again if the window manager's
    // frame is not yet known and turns out to change the outer size.
    void centreOnScreen(double bottomReserveTwips);

    double screenWidth() const;   // twips
    double screenHeight() const;  // twips

protected:
    // The client area changed size (or an outer size was assigned).
    virtual void clientResized() = 0;
    void showEvent(QShowEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    class ClientArea;
    void setClientSize(int widthPx, int heightPx);
    void runResize();
    void moveFrame(std::optional<double> leftTwips, std::optional<double> topTwips);
    QMargins frameMargins() const;
    int menuHeight() const;
    // Asks the window for the wanted place and size, now or, while a handler
    // runs, once it has finished.
    void requestGeometry();
    void applyGeometry();
    void checkFrame();

    QWidget* client_;
    int resizeRuns_ = 0;
    QSize clientSize() const;  // as asked for, while the request waits
    std::optional<QPoint> wantedPos_;     // frame top-left, pixels
    std::optional<QSize> wantedClient_;   // client area, pixels
    std::optional<QSize> requestedClient_;  // the client area last asked of the window
    bool applyQueued_ = false;
    bool frameKnown_ = false;
    // Looks for the frame for a while after the window is shown: the window
    // manager may frame it without the window being moved or resized.
    QTimer frameWatch_;
    int frameLooks_ = 0;
    std::optional<double> centredWith_;  // the bottom reserve of the last centring
};

}  // namespace mepo
