#include "interval_timer.h"

namespace mepo {

IntervalTimer::IntervalTimer(std::string name, int intervalMs) : Control(std::move(name)) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(intervalMs);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (onTick) onTick();
    });
}

void IntervalTimer::setEnabled(bool on) {
    if (!on)
        timer_.stop();
    else if (!timer_.isActive())
        timer_.start();
}

}  // namespace mepo
