#include "placement.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QPointer>
#include <QScreen>
#include <QWindow>
#include <cmath>

namespace mepo {

Placement::Placement(QMainWindow& window, Handlers handlers) : window_(window), handlers_(std::move(handlers)) {}

Placement::~Placement() = default;

void Placement::begin() {
    if (waiting_) return;
    waiting_ = true;
    sizeAsked_ = placeAsked_ = false;
    request_ = Request{clientSize(), std::nullopt, std::nullopt};
}

void Placement::askClient(QSize client) {
    begin();
    request_.client = client;
    sizeAsked_ = true;
    asked();
}

void Placement::askPlace(std::optional<int> left, std::optional<int> top) {
    QPoint corner = frameTopLeft();
    if (left) corner.setX(*left);
    if (top) corner.setY(*top);
    begin();
    request_.frameTopLeft = corner;
    request_.centredWith.reset();
    placeAsked_ = true;
    asked();
}

void Placement::askCentred(double bottomReserve) {
    begin();
    request_.frameTopLeft.reset();
    request_.centredWith = bottomReserve;
    placeAsked_ = true;
    asked();
}

void Placement::asked() {
    if (!handlers_.running()) {
        makeRequest();
        return;
    }
    // Once the running handler has finished: the window never passes
    // through the half-done sizes of a command on the screen.
    once(madeWhenIdle_, handlers_.afterThem, [this] { makeRequest(); });
}

void Placement::makeRequest() {
    if (!waiting_) return;
    waiting_ = false;
    // Where the desktop places the window, a place alone asks nothing of it.
    if (sizeAsked_ || (placeAsked_ && placesWindow())) place();
}

void Placement::placeAgainWhenQuiet() {
    once(againWhenQuiet_, handlers_.whenQuiet, [this] {
        if (!waiting_) place();  // else a newer request is on its way
    });
}

void Placement::once(bool& queued, const Defer& defer, std::function<void()> work) {
    if (queued) return;
    queued = true;
    defer([self = QPointer<Placement>(this), &queued, work = std::move(work)] {
        if (!self) return;
        queued = false;
        work();
    });
}

QSize Placement::clientSize() const {
    if (waiting_ && sizeAsked_) return request_.client;
    return window_.centralWidget() ? window_.centralWidget()->size() : QSize();
}

QPoint Placement::frameTopLeft() const {
    if (waiting_ && placeAsked_)
        if (const std::optional<QPoint> corner = cornerFor(frame())) return *corner;
    return window_.pos();
}

QScreen* Placement::monitor() const {
    if (!window_.isVisible()) return window_.screen();
    QScreen* at = QGuiApplication::screenAt(window_.frameGeometry().center());
    return at ? at : window_.screen();
}

QMargins Placement::frame() const {
    const QWindow* handle = window_.windowHandle();
    return handle && window_.isVisible() ? handle->frameMargins() : QMargins();
}

QMargins Placement::windowMargins() const {
    const QWidget* menu = window_.menuWidget();
    const int menuHeight = !menu ? 0 : menu->isVisible() ? menu->height() : menu->sizeHint().height();
    return window_.contentsMargins() + QMargins(0, menuHeight, 0, 0);
}

void Placement::placeAtOnce(QMargins frame) {
    const QSize size = windowSizeFor(request_.client);
    const std::optional<QPoint> corner = cornerFor(frame);
    if (!window_.isVisible()) {
        // Before the first show the position is the frame's, wherever the
        // desktop puts the window inside it.
        window_.resize(size);
        if (corner) window_.move(*corner);
        return;
    }
    window_.setGeometry(QRect(corner.value_or(window_.pos()) + QPoint(frame.left(), frame.top()), size));
}

QSize Placement::windowSizeFor(QSize client) const { return client.grownBy(windowMargins()); }

std::optional<QPoint> Placement::cornerFor(QMargins frame) const {
    if (request_.frameTopLeft) return request_.frameTopLeft;
    if (!request_.centredWith) return std::nullopt;
    const QSize outer = windowSizeFor(request_.client).grownBy(frame);
    const QScreen* s = monitor();
    const QRect g = s->geometry();
    QPoint corner(static_cast<int>(std::lround(g.left() + (g.width() - outer.width()) / 2.0)),
                  static_cast<int>(std::lround(g.top() + (g.height() - *request_.centredWith - outer.height()) / 2.0)));
    // Within the monitor's free area where the window fits in it; a larger
    // window stands at the area's top-left corner, its title bar in reach.
    const QRect area = s->availableGeometry();
    corner.setX(std::max(std::min(corner.x(), area.right() + 1 - outer.width()), area.left()));
    corner.setY(std::max(std::min(corner.y(), area.bottom() + 1 - outer.height()), area.top()));
    return corner;
}

}  // namespace mepo
