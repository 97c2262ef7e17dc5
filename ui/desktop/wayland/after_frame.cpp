#include "after_frame.h"

#include <QEvent>
#include <QWindow>

namespace mepo {

AfterFrame::AfterFrame(int fallbackMs) {
    fallback_.setSingleShot(true);
    fallback_.setInterval(fallbackMs);
    connect(&fallback_, &QTimer::timeout, this, [this] { fire(); });
}

void AfterFrame::run(QWindow& window, std::function<void()> work) {
    if (window_ != &window) {
        if (window_) window_->removeEventFilter(this);
        window_ = &window;
        window.installEventFilter(this);
    }
    work_ = std::move(work);
    fallback_.start();
    window.requestUpdate();
}

bool AfterFrame::eventFilter(QObject* watched, QEvent* event) {
    // At once, before the window's own handling of the update can draw and
    // ask the compositor for another frame.
    if (watched == window_ && event->type() == QEvent::UpdateRequest && work_) fire();
    return false;
}

void AfterFrame::fire() {
    fallback_.stop();
    if (!work_) return;
    std::function<void()> work = std::move(work_);
    work_ = nullptr;
    work();
}

}  // namespace mepo
