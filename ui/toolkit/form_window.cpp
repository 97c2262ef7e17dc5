#include "form_window.h"

#include <QMenuBar>
#include <QPointer>
#include <QResizeEvent>
#include <QScreen>
#include <QWindow>
#include <cmath>

#include "handler_scope.h"

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

FormWindow::FormWindow() : client_(new ClientArea(*this)) {
    setCentralWidget(client_);
    frameWatch_.setInterval(50);
    QObject::connect(&frameWatch_, &QTimer::timeout, [this] {
        checkFrame();
        if (frameKnown_ || ++frameLooks_ >= 60) frameWatch_.stop();  // no frame comes without a window manager
    });
}

double FormWindow::clientWidth() const { return client_->width() * 15.0; }
double FormWindow::clientHeight() const { return client_->height() * 15.0; }

void FormWindow::runResize() {
    ++resizeRuns_;
    clientResized();
}

static int toPx(double twips) { return std::max(0, static_cast<int>(std::lround(twips / 15.0))); }

QMargins FormWindow::frameMargins() const {
    return windowHandle() && isVisible() ? windowHandle()->frameMargins() : QMargins();
}

int FormWindow::menuHeight() const {
    return menuBar()->isVisible() ? menuBar()->height() : menuBar()->sizeHint().height();
}

QSize FormWindow::clientSize() const { return wantedClient_.value_or(client_->size()); }

double FormWindow::outerWidth() const {
    const QMargins m = frameMargins();
    return (clientSize().width() + m.left() + m.right()) * 15.0;
}

double FormWindow::outerHeight() const {
    const QMargins m = frameMargins();
    return (clientSize().height() + menuHeight() + m.top() + m.bottom()) * 15.0;
}

void FormWindow::setOuterWidth(double twips) { setClientSize(toPx(twips - kFrameWidth), client_->height()); }

void FormWindow::setOuterHeight(double twips) { setClientSize(client_->width(), toPx(twips - kFrameHeight)); }

void FormWindow::setClientSize(int widthPx, int heightPx) {
    if (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))
        setWindowState(Qt::WindowNoState);
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

void FormWindow::centreOnScreen(double bottomReserveTwips) {
    setLeft((screenWidth() - outerWidth()) / 2);
    setTop((screenHeight() - bottomReserveTwips - outerHeight()) / 2);
    centredWith_ = bottomReserveTwips;
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
    const QSize client = clientSize();
    const QSize size(client.width(), client.height() + menuHeight());
    if (wantedClient_) requestedClient_ = wantedClient_;
    if (!isVisible()) {
        // Before the first show the position is the frame's, wherever the
        // window manager puts the window inside it.
        if (wantedClient_) resize(size);
        if (wantedPos_) move(*wantedPos_);
    } else if (wantedClient_ || wantedPos_) {
        // One request for both, so the window goes straight to its new place.
        const QMargins m = frameMargins();
        const QPoint frame = wantedPos_.value_or(pos());
        setGeometry(QRect(frame + QPoint(m.left(), m.top()), size));
    }
    wantedPos_.reset();
    wantedClient_.reset();
}

void FormWindow::checkFrame() {
    if (frameKnown_ || frameMargins().isNull()) return;
    // The window manager has framed the window: the outer size is real now.
    // Its first reports may still carry the size the window had before the
    // last request, so the centring goes by the size last asked for.
    frameKnown_ = true;
    if (!centredWith_) return;
    if (requestedClient_) wantedClient_ = requestedClient_;
    centreOnScreen(*centredWith_);
}

void FormWindow::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    checkFrame();
    if (!frameKnown_ && !frameWatch_.isActive()) {
        frameLooks_ = 0;
        frameWatch_.start();
    }
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
