#include "interval_timer.h"

#include <QPointer>

#include "handler_scope.h"

namespace mepo {

IntervalTimer::IntervalTimer(std::string name, int intervalMs) : Control(std::move(name)) {
    // The clock carries the control's name, so that it can be told apart
    // from Qt's own timers (a test drives the game's clocks by hand).
    timer_.setObjectName(QString::fromStdString(this->name()));
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(intervalMs);
    QObject::connect(&timer_, &QTimer::timeout, [this] { due(); });
}

void IntervalTimer::setEnabled(bool on) {
    if (on == timer_.isActive()) return;
    ++rhythm_;
    held_ = false;
    if (on)
        timer_.start();
    else
        timer_.stop();
}

void IntervalTimer::restart() {
    ++rhythm_;
    held_ = false;
    timer_.start();
}

void IntervalTimer::due() {
    if (HandlerScope::active()) {
        if (held_) return;
        held_ = true;
        HandlerScope::whenIdle([this, alive = QPointer<QTimer>(&timer_), rhythm = rhythm_] {
            // Not if the window has gone, or the timer stopped or started
            // afresh meanwhile.
            if (!alive || rhythm != rhythm_) return;
            held_ = false;
            if (timer_.isActive() && onTick) onTick();
        });
        return;
    }
    HandlerScope scope;
    if (onTick) onTick();
}

}  // namespace mepo
