#include "x11_placement.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace mepo {

namespace {

constexpr Qt::WindowStates kSizedByTheDesktop = Qt::WindowMaximized | Qt::WindowFullScreen;
constexpr int kLooks = 60;  // the frame watch: 60 looks, 50 ms apart

}  // namespace

X11Placement::X11Placement(QWidget& window, SizeFor sizeFor, Defer defer, std::function<void()> placeAgain)
    : window_(window), sizeFor_(std::move(sizeFor)), defer_(std::move(defer)), placeAgain_(std::move(placeAgain)) {
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

bool X11Placement::restored() const { return !(window_.windowState() & kSizedByTheDesktop) && !leavingState_; }

QMargins X11Placement::frame() const {
    QWindow* handle = window_.windowHandle();
    if (!handle || !window_.isVisible()) return {};
    // While the window is maximised, or leaving that state, the frame may
    // lack its borders: the frame of the restored window is the one that counts.
    if (!restored() && !restoredFrame_.isNull()) return restoredFrame_;
    return handle->frameMargins();
}

void X11Placement::place(std::optional<QPoint> frameTopLeft, QSize client) {
    askedFrame_ = frameTopLeft;
    askedClient_ = client;
    frameBefore_ = window_.pos();
    if (!window_.isVisible()) {
        // Before the first show the position is the frame's, wherever the
        // window manager puts the window inside it.
        window_.resize(sizeFor_(client));
        if (frameTopLeft) window_.move(*frameTopLeft);
        return;
    }
    if (window_.windowState() & (kSizedByTheDesktop | Qt::WindowMinimized)) {
        // Restored first; the rest once the window manager has done it.
        if (!leavingState_) {
            leavingState_ = true;
            leaveWait_.start();
            window_.setWindowState(Qt::WindowNoState);
        }
        return;
    }
    if (leavingState_) return;
    // One request for both, so the window goes straight to its new place.
    const QMargins m = frame();
    const QPoint corner = frameTopLeft.value_or(window_.pos());
    window_.setGeometry(QRect(corner + QPoint(m.left(), m.top()), sizeFor_(client)));
}

void X11Placement::centred() {
    centredFrame_ = frame();
    frameLooks_ = 0;
    watchFromShow_ = !window_.isVisible();
    if (watchFromShow_)
        frameWatch_.stop();
    else
        frameWatch_.start();
}

void X11Placement::checkFrame() {
    QWindow* handle = window_.windowHandle();
    if (!handle || !window_.isVisible()) return;
    const QMargins now = handle->frameMargins();
    if (restored() && !now.isNull()) restoredFrame_ = now;
    if (!frameWatch_.isActive() || !restored()) return;
    // Until the window has the size asked for, the reports may be older
    // than the request, or the size the player's own: nothing is done.
    if (window_.size() != sizeFor_(askedClient_)) return;
    // Framing a window moves it by no more than the frame itself. Far from
    // where it was asked to stand, and from where it stood before (a report
    // older than the request), the player has moved it: the watch ends.
    const int slack = now.left() + now.top() + now.right() + now.bottom() + 2;
    auto near = [&](QPoint a, QPoint b) { return (a - b).manhattanLength() <= slack; };
    if (askedFrame_ && !near(window_.pos(), *askedFrame_) && !near(window_.pos(), frameBefore_)) {
        frameWatch_.stop();
        return;
    }
    // A frame other than the one the centring went by (none yet, or the
    // borderless one of a maximised window): centred again by the real one.
    if (!now.isNull() && now != centredFrame_) placeAgainWhenQuiet();
}

void X11Placement::placeAgainWhenQuiet() {
    if (againQueued_) return;
    againQueued_ = true;
    defer_([this] {
        againQueued_ = false;
        placeAgain_();
    });
}

void X11Placement::stateLeft() {
    if (!leavingState_) return;
    leavingState_ = false;
    leaveWait_.stop();
    placeAgainWhenQuiet();
}

bool X11Placement::eventFilter(QObject* watched, QEvent* e) {
    if (watched == &window_) {
        if (e->type() == QEvent::Show) {
            if (QWindow* handle = window_.windowHandle()) handle->installEventFilter(this);
            // Only the centring arms the watch: the first show after one
            // starts it, a restore from minimised does not.
            if (watchFromShow_) {
                watchFromShow_ = false;
                frameLooks_ = 0;
                frameWatch_.start();
            }
        }
        if (e->type() == QEvent::Show || e->type() == QEvent::Move || e->type() == QEvent::Resize) checkFrame();
    } else if (watched == window_.windowHandle() && e->type() == QEvent::WindowStateChange && e->spontaneous() &&
               leavingState_ &&
               !(window_.windowHandle()->windowStates() & (kSizedByTheDesktop | Qt::WindowMinimized))) {
        // The window manager's word that the window has left its maximised
        // or full-screen state.
        stateLeft();
    }
    return false;
}

}  // namespace mepo
