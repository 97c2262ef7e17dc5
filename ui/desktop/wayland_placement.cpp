#include "wayland_placement.h"

#include <QPointer>
#include <QWidget>
#include <QWindow>

#include "wayland_decorations.h"
#include "x11_placement.h"

namespace mepo {

std::unique_ptr<Placement> Placement::forPlatform(QWidget& window, SizeFor sizeFor, Defer defer,
                                                  std::function<void()> placeAgain) {
    if (onNativeWayland()) return std::make_unique<WaylandPlacement>(window, std::move(sizeFor), std::move(defer));
    return std::make_unique<X11Placement>(window, std::move(sizeFor), std::move(defer), std::move(placeAgain));
}

WaylandPlacement::WaylandPlacement(QWidget& window, SizeFor sizeFor, Defer defer)
    : window_(window), sizeFor_(std::move(sizeFor)), defer_(std::move(defer)) {}

QMargins WaylandPlacement::frame() const {
    return window_.windowHandle() && window_.isVisible() ? window_.windowHandle()->frameMargins() : QMargins();
}

void WaylandPlacement::place(std::optional<QPoint>, QSize client) {
    if (!window_.isVisible()) {
        window_.resize(sizeFor_(client));
        return;
    }
    // Once the menu that gave the command has quite finished, and never
    // under an open message box.
    defer_([self = QPointer<QWidget>(&window_), this, client] {
        if (self) remap(client);
    });
}

void WaylandPlacement::remap(QSize client) {
    // Unmapped, the window leaves whatever state the compositor gave it;
    // mapped again, it is a new window that the compositor places.
    ++remaps_;
    window_.hide();
    window_.setWindowState(Qt::WindowNoState);  // the game's own frame fits itself to it
    window_.resize(sizeFor_(client));
    window_.show();
}

}  // namespace mepo
