// The main window as the game sees it: a client area below the menu bar in
// twips, an outer size, a position on the monitor that holds it, and a
// resize handler that runs to completion inside every assignment of the
// outer size.
//
// On a real desktop the window manager or compositor resizes and moves
// windows when it gets round to it. The client area follows every
// assignment at once, so the game lays itself out before the assignment
// returns; the window itself is asked for its new place and size once, when
// the running handler has finished, so it never passes through half-done
// sizes on the screen. The window's placement on its desktop keeps that
// request and makes it as that desktop wants (ui/desktop/placement.h).
//
// The resize handler keeps the rule of the game's handlers: it runs at once
// inside the game's own assignment of the outer size, but a resize that
// the desktop makes while a handler runs (under its message box) is laid
// out once that handler has finished.
#pragma once

#include <QMainWindow>
#include <QMargins>
#include <memory>

#include "handler_rule.h"

namespace mepo {

class Desktop;
class Placement;

class FormWindow : public QMainWindow {
public:
    // On that desktop, by the game's rule for its handlers; the desktop must
    // outlive the window.
    FormWindow(Desktop& desktop, HandlerRule rule);
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

    // The top-left corner of the window's frame on the desktop.
    double left() const;
    double top() const;
    void setLeft(double twips);
    void setTop(double twips);
    // Centred on the monitor that holds the window (before the first show,
    // the one Qt gives it): left = monitor left + (monitor width - outer
    // width) / 2, then top = monitor top + (monitor height - bottomReserve -
    // outer height) / 2, kept inside the monitor's free area, or at its
    // top-left corner when the window is larger. Done again by the real
    // frame should the window manager frame the window only afterwards.
    void centreOnScreen(double bottomReserveTwips);

    // The monitor that holds the window, in twips on the desktop.
    double screenLeft() const;
    double screenTop() const;
    double screenWidth() const;
    double screenHeight() const;

    Desktop& desktop() const { return desktop_; }
    const HandlerRule& handlerRule() const { return rule_; }
    // How many times the window was mapped afresh to show a new size
    // (where the desktop alone places windows).
    int remaps() const;

protected:
    // The client area changed size (or an outer size was assigned).
    virtual void clientResized() = 0;

private:
    class ClientArea;
    void setClientSize(int widthPx, int heightPx);
    // The client area changed size: laid out at once, or once the running
    // handler has finished.
    void clientAreaResized();
    void runResize();
    // Everything around the client area: the desktop's frame, the window's
    // own title bar and borders, the menu bar.
    QMargins outerMargins() const;

    Desktop& desktop_;
    const HandlerRule rule_;
    QWidget* client_;
    std::unique_ptr<Placement> placement_;
    int resizeRuns_ = 0;
    bool assigning_ = false;    // the game assigns the outer size
    bool resizeWaits_ = false;  // a resize waits for the running handler
};

}  // namespace mepo
