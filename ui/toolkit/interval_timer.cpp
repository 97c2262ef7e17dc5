#include "interval_timer.h"

namespace mepo {

IntervalTimer::IntervalTimer(std::string name, int intervalMs) : Control(std::move(name)) {
    // The clock carries the control's name, so that it can be told apart
    // from Qt's own timers (a test drives the game's clocks by hand).
    timer_.setObjectName(QString::fromStdString(this->name()));
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(intervalMs);
    QObject::connect(&timer_, &QTimer::timeout, [this] { fire(); });
}

void IntervalTimer::setEnabled(bool on) {
    if (on == timer_.isActive()) return;
    if (on)
        timer_.start();
    else
        timer_.stop();
}

}  // namespace mepo
