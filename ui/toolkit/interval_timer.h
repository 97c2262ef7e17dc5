// An interval timer: while enabled, a tick every interval, delivered on the
// window's thread between other events. Precise, so a 180-second countdown
// does not drift. A tick that falls due while a handler is running (a
// message box is open) waits until the handler has finished; several such
// ticks of one timer make one, and none comes if the timer was disabled
// meanwhile.
#pragma once

#include <QTimer>
#include <functional>

#include "control.h"

namespace mepo {

class IntervalTimer : public Control {
public:
    IntervalTimer(std::string name, int intervalMs);

    bool enabled() const { return timer_.isActive(); }
    // Enabling a running timer leaves its rhythm alone.
    void setEnabled(bool on);
    // Starts the interval afresh: the next tick comes one interval from now.
    void restart();
    int interval() const { return timer_.interval(); }

    std::function<void()> onTick;
    // One tick now, as if the interval had passed (held like any other tick
    // while a handler is running).
    void fire() { due(); }

private:
    void due();
    QTimer timer_;
    bool held_ = false;
    // Counts stops and restarts: a tick held from before one is stale.
    unsigned rhythm_ = 0;
};

}  // namespace mepo
