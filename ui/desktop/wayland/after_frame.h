// Runs work once the compositor has answered the window's last frame. Qt 6.4's
// Wayland client hears that answer on a thread of its own and lets go of the
// frame's callback there without a lock, so a window unmapped at that very
// moment lets go of it twice and the game aborts. An update asked of the
// window reaches it only after any frame in flight was answered; work run
// as it arrives, before the window draws again, finds no frame pending.
// Where no answer comes (a minimised or hidden window, which the compositor
// does not draw), the work runs after a short wait all the same.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

class QWindow;

namespace mepo {

class AfterFrame : public QObject {
public:
    explicit AfterFrame(int fallbackMs = 500);

    // Work for once the window's frame in flight is answered, in place of
    // any that waits still.
    void run(QWindow& window, std::function<void()> work);
    bool waiting() const { return static_cast<bool>(work_); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fire();

    QPointer<QWindow> window_;
    std::function<void()> work_;
    QTimer fallback_;
};

}  // namespace mepo
