// An interval timer: while enabled, a tick every interval, delivered on the
// window's thread between other events. Precise, so a 180-second countdown
// does not drift. What a tick means, and when one must wait, is the game's.
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
    void restart() { timer_.start(); }
    int interval() const { return timer_.interval(); }

    std::function<void()> onTick;
    // One tick now, as if the interval had passed.
    void fire() {
        if (onTick) onTick();
    }

private:
    QTimer timer_;
};

}  // namespace mepo
