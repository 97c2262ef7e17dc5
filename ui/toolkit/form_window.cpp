#include "form_window.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QPointer>
#include <QResizeEvent>
#include <QScreen>

#include "menu_keys.h"
#include "desktop/own_frame.h"
#include "desktop/placement.h"
#include "desktop/wayland_decorations.h"
#include "handler_scope.h"
#include "twips.h"

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
    installMenuKeys(*this);
    if (windowsDrawOwnTitleBars()) {
        ownFrame_ = new OwnFrame(*this, OwnFrame::Kind::Window);
        // The smallest size the compositor may give the window stays the
        // same whether the borders show or not: Qt hands a new one to the
        // compositor at once, with the window's picture as it stands, which
        // would contradict a state (maximised) that the compositor has
        // configured and the window has not drawn yet (while minimised).
        setMinimumSize(minimumSizeHint());
    }
    placement_ = Placement::forPlatform(
        *this, [this](QSize client) { return windowSizeFor(client); },
        [this](std::function<void()> work) { HandlerScope::whenQuiet(this, std::move(work)); },
        [this] { placeAgain(); });
}

FormWindow::~FormWindow() = default;

int FormWindow::remaps() const { return placement_->remaps(); }

double FormWindow::clientWidth() const { return toTwips(client_->width()); }
double FormWindow::clientHeight() const { return toTwips(client_->height()); }

void FormWindow::setDesignClientSize(int widthPx, int heightPx) {
    client_->resize(widthPx, heightPx);
    resize(windowSizeFor(QSize(widthPx, heightPx)));
}

void FormWindow::runResize() {
    ++resizeRuns_;
    clientResized();
}

QMargins FormWindow::windowMargins() const {
    const int menu = menuBar()->isVisible() ? menuBar()->height() : menuBar()->sizeHint().height();
    return contentsMargins() + QMargins(0, menu, 0, 0);
}

QMargins FormWindow::outerMargins() const { return placement_->frame() + windowMargins(); }

QSize FormWindow::windowSizeFor(QSize client) const { return client.grownBy(windowMargins()); }

QSize FormWindow::clientSize() const { return wantedClient_.value_or(client_->size()); }

double FormWindow::outerWidth() const {
    const QMargins m = outerMargins();
    return toTwips(clientSize().width() + m.left() + m.right());
}

double FormWindow::outerHeight() const {
    const QMargins m = outerMargins();
    return toTwips(clientSize().height() + m.top() + m.bottom());
}

void FormWindow::setOuterWidth(double twips) { setClientSize(toPxSize(twips - kFrameWidth), client_->height()); }

void FormWindow::setOuterHeight(double twips) { setClientSize(client_->width(), toPxSize(twips - kFrameHeight)); }

void FormWindow::setClientSize(int widthPx, int heightPx) {
    const int runs = resizeRuns_;
    wantedClient_ = QSize(widthPx, heightPx);
    client_->resize(widthPx, heightPx);  // a shown client area is laid out at once
    if (resizeRuns_ == runs) runResize();
    requestGeometry();
}

double FormWindow::left() const { return toTwips(wantedPos_.value_or(pos()).x()); }
double FormWindow::top() const { return toTwips(wantedPos_.value_or(pos()).y()); }

void FormWindow::moveFrame(std::optional<double> leftTwips, std::optional<double> topTwips) {
    QPoint p = wantedPos_.value_or(pos());
    if (leftTwips) p.setX(toPx(*leftTwips));
    if (topTwips) p.setY(toPx(*topTwips));
    wantedPos_ = p;
    centredWith_.reset();
    requestGeometry();
}

void FormWindow::setLeft(double twips) { moveFrame(twips, std::nullopt); }
void FormWindow::setTop(double twips) { moveFrame(std::nullopt, twips); }

QScreen* FormWindow::monitor() const {
    if (!isVisible()) return screen();
    // The one that holds the middle of the window's frame.
    QScreen* at = QGuiApplication::screenAt(frameGeometry().center());
    return at ? at : screen();
}

double FormWindow::screenLeft() const { return toTwips(monitor()->geometry().left()); }
double FormWindow::screenTop() const { return toTwips(monitor()->geometry().top()); }
double FormWindow::screenWidth() const { return toTwips(monitor()->geometry().width()); }
double FormWindow::screenHeight() const { return toTwips(monitor()->geometry().height()); }

void FormWindow::centreOnScreen(double bottomReserveTwips) {
    const double w = outerWidth(), h = outerHeight();
    QPoint corner(toPx(screenLeft() + (screenWidth() - w) / 2),
                  toPx(screenTop() + (screenHeight() - bottomReserveTwips - h) / 2));
    // Within the monitor's free area where the window fits in it; a larger
    // window stands at the area's top-left corner, its title bar in reach.
    const QRect area = monitor()->availableGeometry();
    corner.setX(std::max(std::min(corner.x(), area.right() + 1 - toPxSize(w)), area.left()));
    corner.setY(std::max(std::min(corner.y(), area.bottom() + 1 - toPxSize(h)), area.top()));
    setLeft(toTwips(corner.x()));
    setTop(toTwips(corner.y()));
    centredWith_ = bottomReserveTwips;
    placement_->centred();
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
    // Where the desktop places the window, a place alone asks nothing of it.
    if (wantedClient_ || (wantedPos_ && placement_->placesWindow())) {
        askedPos_ = wantedPos_;
        askedClient_ = clientSize();
        placement_->place(wantedPos_, *askedClient_);
    }
    wantedPos_.reset();
    wantedClient_.reset();
}

void FormWindow::placeAgain() {
    if (!askedClient_) return;
    if (centredWith_) {
        wantedClient_ = askedClient_;
        centreOnScreen(*centredWith_);
    } else {
        wantedPos_ = askedPos_;
        wantedClient_ = askedClient_;
        requestGeometry();
    }
}

}  // namespace mepo
