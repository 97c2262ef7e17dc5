// The main window as the game sees it: a client area below the menu bar in
// twips, an outer size, a position on the screen, and a resize handler that
// runs to completion inside every assignment of the outer size.
//
// On a real desktop the window manager or compositor resizes and moves
// windows when it gets round to it. The client area follows every
// assignment at once, so the game lays itself out before the assignment
// returns; the window itself is asked for its new place and size once, when
// the running handler has finished, so it never passes through half-done
// sizes on the screen.
//
// Where the window stands:
// - On X11 (Xwayland included) the game places it itself. A window larger
//   than the screen's free area stands at the area's top-left corner, so its
//   title bar can always be reached. A maximised or full-screen window is
//   first restored, and sized and placed once the window manager has
//   restored it.
// - On native Wayland no client can place its window, and a window that
//   grows keeps its top-left corner, however near the screen's edge. A new
//   size is therefore shown as the window mapped afresh: the compositor
//   places it as it places every new window, on the screen, and nothing the
//   compositor had configured for the old window (maximised, full screen,
//   tiled) can contradict the new size.
#pragma once

#include <QMainWindow>
#include <QMargins>
#include <QTimer>
#include <optional>

namespace mepo {

class OwnFrame;
class TitleBar;

class FormWindow : public QMainWindow {
public:
    FormWindow();
    ~FormWindow() override;

    QWidget* client() const { return client_; }
    double clientWidth() const;   // twips
    double clientHeight() const;  // twips
    // The client area's size at start-up, in pixels, before the first show.
    void setDesignClientSize(int widthPx, int heightPx);

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
    // the client area with the menu bar and the window's frame.
    double outerWidth() const;
    double outerHeight() const;

    // The top-left corner of the window's frame on the screen.
    double left() const;
    double top() const;
    void setLeft(double twips);
    void setTop(double twips);
    // left = (screen width - outer width) / 2, then top = (screen height -
    // bottomReserve - outer height) / 2, never beyond the top-left corner of
    // the screen's free area. For a few seconds after, done again whenever
    // the window manager's frame turns out other than the one it went by.
    void centreOnScreen(double bottomReserveTwips);

    double screenWidth() const;   // twips
    double screenHeight() const;  // twips

    // The title bar the window draws itself on a Wayland compositor that
    // leaves title bars to its clients; null elsewhere.
    TitleBar* ownTitleBar() const;
    // How many times the window was mapped afresh to show a new size
    // (native Wayland only).
    int remaps() const { return remaps_; }

protected:
    // The client area changed size (or an outer size was assigned).
    virtual void clientResized() = 0;
    void setVisible(bool visible) override;
    void showEvent(QShowEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    class ClientArea;
    void setClientSize(int widthPx, int heightPx);
    void runResize();
    void moveFrame(std::optional<double> leftTwips, std::optional<double> topTwips);
    // The frame around the window's own area: the window manager's (X11),
    // or nothing (native Wayland, where the title bar the game draws is
    // part of the window's own area).
    QMargins frameMargins() const;
    // Everything around the client area: the frame, the game's own title
    // bar and borders, and the menu bar.
    QMargins outerMargins() const;
    QSize windowSizeFor(QSize client) const;
    int menuHeight() const;
    // Asks the window for the wanted place and size, now or, while a handler
    // runs, once it has finished.
    void requestGeometry();
    void applyGeometry();
    void remapAtSize(QSize size);
    void checkFrame();
    // Centred again as last asked, by the frame as it stands now.
    void recentre();
    QPoint keptOnScreen(QPoint frame, QSize outer) const;

    QWidget* client_;
    OwnFrame* ownFrame_ = nullptr;
    const bool nativeWayland_;
    int resizeRuns_ = 0;
    int remaps_ = 0;
    QSize clientSize() const;  // as asked for, while the request waits
    std::optional<QPoint> wantedPos_;     // frame top-left, pixels
    std::optional<QSize> wantedClient_;   // client area, pixels
    std::optional<QSize> requestedClient_;  // the client area last asked of the window
    bool applyQueued_ = false;
    // The window manager's frame as it stands round a restored window (it
    // may drop its borders while the window is maximised).
    QMargins restoredFrame_;
    // A maximised or full-screen window asked to leave that state, waiting
    // for the window manager to have done so before it takes its new place.
    bool leavingState_ = false;
    QTimer leaveWait_;
    // Looks at the frame for a while after each centring: the window manager
    // may frame the window, or give it its borders back, without the window
    // being moved or resized.
    QTimer frameWatch_;
    int frameLooks_ = 0;
    std::optional<double> centredWith_;  // the bottom reserve of the last centring
    QMargins centredFrame_;               // the frame it went by
};

}  // namespace mepo
