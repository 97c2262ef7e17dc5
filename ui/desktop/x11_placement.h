// Where the window stands on X11 (Xwayland included, and Qt's offscreen
// platform, which behaves alike): the game places its window itself, and
// the window manager frames, moves and sizes it when it gets round to it.
//
// - A maximised, full-screen or minimised window is first restored, and
//   takes its new place and size once the window manager has restored it
//   (or after a second, should it never say so).
// - After a centring the frame is watched for a few seconds: the window
//   manager may frame the window, or give it its borders back, without the
//   window being moved or resized, and the centring is then done again by
//   the real frame. The watch ends early once the player has moved or
//   resized the window: nothing re-applies a size or place over the
//   player's own.
// - Everything done later than asked waits until no handler of the game's
//   is running and no message box is open.
#pragma once

#include <QObject>
#include <QTimer>

#include "placement.h"

namespace mepo {

class X11Placement : public QObject, public Placement {
public:
    X11Placement(QWidget& window, SizeFor sizeFor, Defer defer, std::function<void()> placeAgain);

    QMargins frame() const override;
    void place(std::optional<QPoint> frameTopLeft, QSize client) override;
    void centred() override;
    bool placesWindow() const override { return true; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    bool restored() const;
    void checkFrame();
    // The window manager has restored the window, or never will: the place
    // and size asked for are due now.
    void stateLeft();
    void placeAgainWhenQuiet();

    QWidget& window_;
    SizeFor sizeFor_;
    Defer defer_;
    std::function<void()> placeAgain_;
    bool againQueued_ = false;
    // The frame as it stands round a restored window (the window manager
    // may drop its borders while the window is maximised).
    QMargins restoredFrame_;
    bool leavingState_ = false;
    QTimer leaveWait_;
    QTimer frameWatch_;
    int frameLooks_ = 0;
    bool watchFromShow_ = false;  // a centring before the first show
    QMargins centredFrame_;       // the frame the last centring went by
    std::optional<QPoint> askedFrame_;
    QSize askedClient_;
    QPoint frameBefore_;  // where the frame stood when last asked
};

}  // namespace mepo
