#include "x11_placement.h"

#include <QEvent>
#include <QMainWindow>
#include <QWindow>

#include "../window_states.h"

namespace mepo {

namespace {

constexpr int kLooks = 60;  // the frame watch: 60 looks, 50 ms apart

}  // namespace

std::unique_ptr<Placement> x11Placement(QMainWindow& window, Placement::Handlers handlers) {
    return std::make_unique<X11Placement>(window, std::move(handlers));
}

X11Placement::X11Placement(QMainWindow& window, Handlers handlers) : Placement(window, std::move(handlers)) {
    window.installEventFilter(this);
    frameWatch_.setInterval(50);
    QObject::connect(&frameWatch_, &QTimer::timeout, this, [this] {
        checkFrame();
        if (++frameLooks_ >= kLooks) frameWatch_.stop();
    });
    leaveWait_.setSingleShot(true);
    leaveWait_.setInterval(1000);
    QObject::connect(&leaveWait_, &QTimer::timeout, this, [this] { stateLeft(); });
}

bool X11Placement::restored() const { return !(window().windowState() & kSizedByTheDesktop) && !leavingState_; }

QMargins X11Placement::frame() const {
    // While the window is maximised, or leaving that state, the frame may
    // lack its borders: the frame of the restored window is the one that counts.
    if (window().isVisible() && !restored() && !restoredFrame_.isNull()) return restoredFrame_;
    return Placement::frame();
}

void X11Placement::place() {
    QMainWindow& w = window();
    if (w.isVisible() && (w.windowState() & (kSizedByTheDesktop | Qt::WindowMinimized))) {
        // Restored first; the rest once the window manager has done it.
        if (!leavingState_) {
            leavingState_ = true;
            leaveWait_.start();
            w.setWindowState(Qt::WindowNoState);
        }
        return;
    }
    if (leavingState_) return;
    frameBefore_ = w.pos();
    placedBy_ = frame();
    placedAt_ = cornerFor(placedBy_);
    placeAtOnce(placedBy_);
    if (request().centredWith) watchFrame();
}

void X11Placement::watchFrame() {
    frameLooks_ = 0;
    watchFromShow_ = !window().isVisible();
    if (watchFromShow_)
        frameWatch_.stop();
    else
        frameWatch_.start();
}

void X11Placement::checkFrame() {
    QWindow* handle = window().windowHandle();
    if (!handle || !window().isVisible()) return;
    const QMargins now = handle->frameMargins();
    if (restored() && !now.isNull()) restoredFrame_ = now;
    if (!frameWatch_.isActive() || !restored()) return;
    // Until the window has the size asked for, the reports may be older
    // than the request, or the size the player's own: nothing is done.
    if (window().size() != windowSizeFor(request().client)) return;
    // Framing a window moves it by no more than the frame itself. Far from
    // where it was asked to stand, and from where it stood before (a report
    // older than the request), the player has moved it: the watch ends.
    const int slack = now.left() + now.top() + now.right() + now.bottom() + 2;
    auto near = [&](QPoint a, QPoint b) { return (a - b).manhattanLength() <= slack; };
    if (placedAt_ && !near(window().pos(), *placedAt_) && !near(window().pos(), frameBefore_)) {
        frameWatch_.stop();
        return;
    }
    // A frame other than the one the centring went by (none yet, or the
    // borderless one of a maximised window): centred again by the real one.
    if (!now.isNull() && now != placedBy_) placeAgainWhenQuiet();
}

void X11Placement::stateLeft() {
    if (!leavingState_) return;
    leavingState_ = false;
    leaveWait_.stop();
    placeAgainWhenQuiet();
}

bool X11Placement::eventFilter(QObject* watched, QEvent* e) {
    QMainWindow& w = window();
    if (watched == &w) {
        if (e->type() == QEvent::Show) {
            if (QWindow* handle = w.windowHandle()) handle->installEventFilter(this);
            // Only a centring arms the watch: the first show after one
            // starts it, a restore from minimised does not.
            if (watchFromShow_) {
                watchFromShow_ = false;
                frameLooks_ = 0;
                frameWatch_.start();
            }
        }
        if (e->type() == QEvent::Show || e->type() == QEvent::Move || e->type() == QEvent::Resize) checkFrame();
    } else if (watched == w.windowHandle() && e->type() == QEvent::WindowStateChange && e->spontaneous() &&
               leavingState_ && !(w.windowHandle()->windowStates() & (kSizedByTheDesktop | Qt::WindowMinimized))) {
        // The window manager's word that the window has left its maximised
        // or full-screen state.
        stateLeft();
    }
    return false;
}

}  // namespace mepo
