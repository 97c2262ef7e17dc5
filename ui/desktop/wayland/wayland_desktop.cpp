#include "wayland_desktop.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>
#include <qpa/qplatformnativeinterface.h>

#include "wayland_placement.h"

namespace mepo {

namespace {

wl_display* qtsDisplay() {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    return native ? static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display")) : nullptr;
}

WaylandDesktop* theDesktop = nullptr;

}  // namespace

void WaylandDesktop::forgetTheQuestion() {
    if (theDesktop) theDesktop->question_.reset();
}

WaylandDesktop::WaylandDesktop(bool qtTitleBarsOffByGame) : Desktop("wayland", waylandPlacement) {
    // Where the player chose Qt's title bars (or none), the game draws none.
    if (!qtTitleBarsOffByGame) return;
    if (wl_display* display = qtsDisplay()) {
        question_ = std::make_unique<TitleBarQuestion>(display);
        theDesktop = this;
        qAddPostRoutine(forgetTheQuestion);
    }
}

OwnFrame* WaylandDesktop::frameFor(QWidget& window, OwnFrame::Kind kind) {
    if (!question_ || question_->compositorDrawsThem()) return nullptr;
    auto* frame = new OwnFrame(window, kind);
    // The smallest size the compositor may give the window stays the same
    // whether the borders show or not: Qt hands a new one to the compositor
    // at once, with the window's picture as it stands, which would
    // contradict a state (maximised) that the compositor has configured and
    // the window has not drawn yet (while minimised).
    if (kind == OwnFrame::Kind::Window) window.setMinimumSize(window.minimumSizeHint());
    return frame;
}

}  // namespace mepo
