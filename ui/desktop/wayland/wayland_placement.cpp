#include "wayland_placement.h"

#include <QApplication>
#include <QMainWindow>
#include <QWindow>

namespace mepo {

WaylandPlacement::WaylandPlacement(QMainWindow& window, Handlers handlers) : Placement(window, std::move(handlers)) {}

std::unique_ptr<Placement> waylandPlacement(QMainWindow& window, Placement::Handlers handlers) {
    return std::make_unique<WaylandPlacement>(window, std::move(handlers));
}

void WaylandPlacement::place() {
    if (!window().isVisible()) {
        window().resize(windowSizeFor(request().client));
        return;
    }
    // Once the menu that gave the command has quite finished, and never
    // under an open message box; by the request as it stands then.
    once(remapQueued_, handlers().whenQuiet, [this] { remapAfterFrame(); });
}

void WaylandPlacement::remapAfterFrame() {
    QWindow* handle = window().windowHandle();
    if (!handle) {
        remap();
        return;
    }
    afterFrame_.run(*handle, [this] {
        // Straight from the event loop: a box opened meanwhile, or a handler
        // begun, and the remap waits for quiet again.
        if (handlers().running() || QApplication::activeModalWidget()) {
            place();
            return;
        }
        handlers().afterThem([this] { remap(); });
    });
}

void WaylandPlacement::remap() {
    // Unmapped, the window leaves whatever state the compositor gave it;
    // mapped again, it is a new window that the compositor places.
    QMainWindow& w = window();
    ++remaps_;
    w.hide();
    w.setWindowState(Qt::WindowNoState);  // the game's own frame fits itself to it
    w.resize(windowSizeFor(request().client));
    w.show();
}

}  // namespace mepo
