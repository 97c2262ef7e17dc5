// Where the window stands on X11 (an X server with a window manager,
// Xwayland included, where Qt is told to use it): the game places its window
// itself, and the window manager draws the title bar and frames, moves and
// sizes the window when it gets round to it.
//
// - A maximised, full-screen or minimised window is first restored, and
//   takes its new place and size once the window manager has restored it
//   (or after a second, should it never say so).
// - After a centring the frame is watched for a few seconds: the window
//   manager may frame the window, or give it its borders back, without the
//   window being moved or resized, and the centring is then made again by
//   the real frame. The watch ends early once the player has moved or
//   resized the window: nothing re-applies a size or place over the
//   player's own.
// - Everything done later than asked waits until no handler of the game's
//   is running and no message box is open.
#pragma once

#include <QTimer>
#include <memory>

#include "../placement.h"

namespace mepo {

class X11Placement : public Placement {
public:
    X11Placement(QMainWindow& window, Handlers handlers);

    QMargins frame() const override;

protected:
    void place() override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    bool restored() const;
    void watchFrame();
    void checkFrame();
    // The window manager has restored the window, or never will: the
    // request is due now.
    void stateLeft();

    // The frame as it stands round a restored window (the window manager
    // may drop its borders while the window is maximised).
    QMargins restoredFrame_;
    bool leavingState_ = false;
    QTimer leaveWait_;
    QTimer frameWatch_;
    int frameLooks_ = 0;
    bool watchFromShow_ = false;  // a centring before the first show
    // What the last request did: the frame it went by, the corner it gave
    // the frame (none for a size alone), and where the frame stood before.
    QMargins placedBy_;
    std::optional<QPoint> placedAt_;
    QPoint frameBefore_;
};

std::unique_ptr<Placement> x11Placement(QMainWindow& window, Placement::Handlers handlers);

}  // namespace mepo
