#include "wayland_desktop.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>
#include <qpa/qplatformnativeinterface.h>

#include "own_frame.h"
#include "wayland_placement.h"

namespace mepo {

namespace {

wl_display* qtsDisplay() {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    return native ? static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display")) : nullptr;
}

}  // namespace

WaylandDesktop::WaylandDesktop(BeforeQt before) : Desktop("wayland", waylandPlacement, before) {
    // Where the player chose Qt's title bars (or none), the game draws none.
    if (!before.setForTheGame.contains(QLatin1String(kQtTitleBarsOff))) return;
    if (wl_display* display = qtsDisplay()) question_ = std::make_unique<TitleBarQuestion>(display);
}

void WaylandDesktop::frame(QWidget& window, Frame kind) {
    if (!question_ || question_->compositorDrawsThem()) return;
    new OwnFrame(window, kind == Frame::Box ? OwnFrame::Kind::Box : OwnFrame::Kind::Window);
    // The smallest size the compositor may give the window stays the same
    // whether the borders show or not: Qt hands a new one to the compositor
    // at once, with the window's picture as it stands, which would
    // contradict a state (maximised) that the compositor has configured and
    // the window has not drawn yet (while minimised).
    if (kind == Frame::Window) window.setMinimumSize(window.minimumSizeHint());
}

}  // namespace mepo
