#include "form_window.h"

#include <QMenuBar>
#include <QPointer>
#include <QResizeEvent>
#include <QScreen>
#include <QWindow>
#include <cmath>

#include "handler_scope.h"
#include "menu_keys.h"
#include "own_frame.h"
#include "title_bar.h"
#include "wayland_desktop.h"

namespace mepo {

// The client area: every change of its size runs the window's resize handling.
class FormWindow::ClientArea : public QWidget {
public:
    explicit ClientArea(FormWindow& owner) : owner_(owner) {}

protected:
    void resizeEvent(QResizeEvent* e) override {
        if (e->size() != e->oldSize()) owner_.runResize();
    }

private:
    FormWindow& owner_;
};

namespace {

constexpr Qt::WindowStates kSizedByTheDesktop = Qt::WindowMaximized | Qt::WindowFullScreen;

int toPx(double twips) { return std::max(0, static_cast<int>(std::lround(twips / 15.0))); }

}  // namespace

FormWindow::FormWindow() : client_(new ClientArea(*this)), nativeWayland_(onNativeWayland()) {
    setCentralWidget(client_);
    installMenuKeys(*this);
    if (windowDrawsOwnTitleBar()) {
        ownFrame_ = new OwnFrame(*this, OwnFrame::Kind::Window);
        // The smallest size the compositor may give the window stays the
        // same whether the borders show or not: Qt hands a new one to the
        // compositor at once, with the window's picture as it stands, which
        // would contradict a state (maximised) that the compositor has
        // configured and the window has not drawn yet (while minimised).
        setMinimumSize(minimumSizeHint());
    }
    frameWatch_.setInterval(50);
    QObject::connect(&frameWatch_, &QTimer::timeout, [this] {
        checkFrame();
        if (++frameLooks_ >= 60) frameWatch_.stop();
    });
    // A window manager that never answers: the window takes its place all the same.
    leaveWait_.setSingleShot(true);
    leaveWait_.setInterval(1000);
    QObject::connect(&leaveWait_, &QTimer::timeout, [this] {
        if (!leavingState_) return;
        leavingState_ = false;
        applyGeometry();
    });
}

FormWindow::~FormWindow() = default;

TitleBar* FormWindow::ownTitleBar() const { return ownFrame_ ? ownFrame_->titleBar() : nullptr; }

double FormWindow::clientWidth() const { return client_->width() * 15.0; }
double FormWindow::clientHeight() const { return client_->height() * 15.0; }

void FormWindow::setDesignClientSize(int widthPx, int heightPx) {
    client_->resize(widthPx, heightPx);
    resize(windowSizeFor(QSize(widthPx, heightPx)));
}

void FormWindow::runResize() {
    ++resizeRuns_;
    clientResized();
}

QMargins FormWindow::frameMargins() const {
    if (!windowHandle() || !isVisible()) return {};
    if (nativeWayland_) return windowHandle()->frameMargins();
    // While the window is maximised, or leaving that state, the window
    // manager's frame may lack its borders: the frame of the restored window
    // is the one that counts.
    if ((leavingState_ || (windowState() & kSizedByTheDesktop)) && !restoredFrame_.isNull()) return restoredFrame_;
    return windowHandle()->frameMargins();
}

int FormWindow::menuHeight() const {
    return menuBar()->isVisible() ? menuBar()->height() : menuBar()->sizeHint().height();
}

QMargins FormWindow::outerMargins() const {
    return frameMargins() + contentsMargins() + QMargins(0, menuHeight(), 0, 0);
}

QSize FormWindow::windowSizeFor(QSize client) const {
    const QMargins m = contentsMargins();
    return client.grownBy(m + QMargins(0, menuHeight(), 0, 0));
}

QSize FormWindow::clientSize() const { return wantedClient_.value_or(client_->size()); }

double FormWindow::outerWidth() const {
    const QMargins m = outerMargins();
    return (clientSize().width() + m.left() + m.right()) * 15.0;
}

double FormWindow::outerHeight() const {
    const QMargins m = outerMargins();
    return (clientSize().height() + m.top() + m.bottom()) * 15.0;
}

void FormWindow::setOuterWidth(double twips) { setClientSize(toPx(twips - kFrameWidth), client_->height()); }

void FormWindow::setOuterHeight(double twips) { setClientSize(client_->width(), toPx(twips - kFrameHeight)); }

void FormWindow::setClientSize(int widthPx, int heightPx) {
    const int runs = resizeRuns_;
    wantedClient_ = QSize(widthPx, heightPx);
    client_->resize(widthPx, heightPx);  // a shown client area is laid out at once
    if (resizeRuns_ == runs) runResize();
    requestGeometry();
}

double FormWindow::left() const { return wantedPos_ ? wantedPos_->x() * 15.0 : x() * 15.0; }
double FormWindow::top() const { return wantedPos_ ? wantedPos_->y() * 15.0 : y() * 15.0; }

void FormWindow::moveFrame(std::optional<double> leftTwips, std::optional<double> topTwips) {
    QPoint p = wantedPos_.value_or(pos());
    if (leftTwips) p.setX(static_cast<int>(std::lround(*leftTwips / 15.0)));
    if (topTwips) p.setY(static_cast<int>(std::lround(*topTwips / 15.0)));
    wantedPos_ = p;
    centredWith_.reset();
    requestGeometry();
}

void FormWindow::setLeft(double twips) { moveFrame(twips, std::nullopt); }
void FormWindow::setTop(double twips) { moveFrame(std::nullopt, twips); }

QPoint FormWindow::keptOnScreen(QPoint frame, QSize outer) const {
    // Within the screen's free area where the window fits in it; a larger
    // window stands at the area's top-left corner, its title bar in reach.
    const QRect area = screen()->availableGeometry();
    frame.setX(std::max(std::min(frame.x(), area.right() + 1 - outer.width()), area.left()));
    frame.setY(std::max(std::min(frame.y(), area.bottom() + 1 - outer.height()), area.top()));
    return frame;
}

void FormWindow::centreOnScreen(double bottomReserveTwips) {
    const double w = outerWidth(), h = outerHeight();
    const double leftTwips = (screenWidth() - w) / 2;
    const double topTwips = (screenHeight() - bottomReserveTwips - h) / 2;
    const QPoint kept = keptOnScreen(QPoint(static_cast<int>(std::lround(leftTwips / 15.0)),
                                            static_cast<int>(std::lround(topTwips / 15.0))),
                                     QSize(toPx(w), toPx(h)));
    setLeft(kept.x() * 15.0);
    setTop(kept.y() * 15.0);
    centredWith_ = bottomReserveTwips;
    centredFrame_ = frameMargins();
    // For a few seconds the window manager may still frame the window, or
    // change its frame as it restores it: the frame is looked at meanwhile.
    if (!nativeWayland_) {
        frameLooks_ = 0;
        frameWatch_.start();
    }
}

void FormWindow::requestGeometry() {
    if (!HandlerScope::active()) {
        applyGeometry();
        return;
    }
    if (applyQueued_) return;
    applyQueued_ = true;
    HandlerScope::whenIdle([self = QPointer<FormWindow>(this)] {
        if (!self) return;
        self->applyQueued_ = false;
        self->applyGeometry();
    });
}

void FormWindow::applyGeometry() {
    if (wantedClient_) requestedClient_ = wantedClient_;
    if (!isVisible()) {
        // Before the first show the position is the frame's, wherever the
        // window manager puts the window inside it.
        if (wantedClient_) resize(windowSizeFor(*wantedClient_));
        if (wantedPos_) move(*wantedPos_);
    } else if (nativeWayland_) {
        // The compositor places the window; only a new size is asked for,
        // once the menu that gave the command has quite finished.
        if (wantedClient_)
            QTimer::singleShot(0, this, [this, client = *wantedClient_] { remapAtSize(client); });
    } else if (wantedClient_ || wantedPos_) {
        if (windowState() & (kSizedByTheDesktop | Qt::WindowMinimized)) {
            // Restored first; the rest once the window manager has done it.
            if (!leavingState_) {
                leavingState_ = true;
                leaveWait_.start();
                setWindowState(Qt::WindowNoState);
            }
            return;
        }
        if (leavingState_) return;
        // One request for both, so the window goes straight to its new place.
        const QMargins m = frameMargins();
        const QPoint frame = wantedPos_.value_or(pos());
        setGeometry(QRect(frame + QPoint(m.left(), m.top()), windowSizeFor(clientSize())));
    }
    wantedPos_.reset();
    wantedClient_.reset();
}

void FormWindow::remapAtSize(QSize client) {
    // Unmapped, the window leaves whatever state the compositor gave it;
    // mapped again, it is a new window that the compositor places.
    ++remaps_;
    hide();
    setWindowState(Qt::WindowNoState);
    if (ownFrame_) ownFrame_->fit();
    client_->resize(client);
    resize(windowSizeFor(client));
    show();
}

void FormWindow::checkFrame() {
    if (nativeWayland_ || !windowHandle() || !isVisible()) return;
    const QMargins now = windowHandle()->frameMargins();
    const bool restored = !(windowState() & kSizedByTheDesktop) && !leavingState_;
    if (restored && !now.isNull()) restoredFrame_ = now;
    // A frame other than the one the last centring went by (none yet, or
    // the borderless one of a maximised window): the window manager has
    // framed the window since, and the outer size is real now. Its first
    // reports may still carry the size the window had before the last
    // request, so the centring goes again by the size last asked for.
    if (!restored || now.isNull() || !centredWith_ || !frameWatch_.isActive() || now == centredFrame_) return;
    if (requestedClient_) wantedClient_ = requestedClient_;
    recentre();
}

void FormWindow::recentre() {
    // Left and top asked of the window at once, when the scope ends.
    HandlerScope scope;
    centreOnScreen(*centredWith_);
}

void FormWindow::setVisible(bool visible) {
    // Qt decides once, at the first window shown, whether to draw title
    // bars of its own on Wayland; the game's window keeps it from doing so.
    QtTitleBarsOff noQtTitleBars;
    QMainWindow::setVisible(visible);
}

void FormWindow::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (windowHandle()) windowHandle()->installEventFilter(this);
    if (centredWith_ && !nativeWayland_) {
        frameLooks_ = 0;
        frameWatch_.start();
    }
    checkFrame();
}

bool FormWindow::eventFilter(QObject* watched, QEvent* e) {
    // The window manager's word that the window has left its maximised or
    // full-screen state: the place and size asked for are due now.
    if (watched == windowHandle() && e->type() == QEvent::WindowStateChange && e->spontaneous() && leavingState_ &&
        !(windowHandle()->windowStates() & (kSizedByTheDesktop | Qt::WindowMinimized))) {
        leavingState_ = false;
        leaveWait_.stop();
        QTimer::singleShot(0, this, [this] {
            // Centred again by the frame the restored window has (and again
            // should the window manager give it its borders back later).
            if (centredWith_)
                recentre();
            else
                requestGeometry();
        });
    }
    return QMainWindow::eventFilter(watched, e);
}

void FormWindow::moveEvent(QMoveEvent* e) {
    QMainWindow::moveEvent(e);
    checkFrame();
}

void FormWindow::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    checkFrame();
}

double FormWindow::screenWidth() const { return screen()->geometry().width() * 15.0; }
double FormWindow::screenHeight() const { return screen()->geometry().height() * 15.0; }

}  // namespace mepo
