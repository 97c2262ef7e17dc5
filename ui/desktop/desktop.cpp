// The one place that knows which desktops there are and chooses among them.
#include "desktop.h"

#include <QGuiApplication>
#include <QStringList>

#include "plain/plain_placement.h"
#include "wayland/wayland_placement.h"
#include "x11/painting.h"
#include "x11/x11_placement.h"
#if MEPO_WAYLAND
#include "wayland/wayland_desktop.h"
#endif

namespace mepo {

Desktop::BeforeQt Desktop::beforeQt() {
    BeforeQt before;
    // Only Qt's X11 platform reads it, whichever platform Qt chooses.
    if (keepSharedMemoryPaintingOff()) before.setForTheGame << QLatin1String(kSharedMemoryOff);
#if MEPO_WAYLAND
    if (keepQtTitleBarsOff()) before.setForTheGame << QLatin1String(kQtTitleBarsOff);
#endif
    return before;
}

std::unique_ptr<Desktop> Desktop::make(BeforeQt before) {
    const QString platform = QGuiApplication::platformName();
    // "wayland", or "wayland-egl" and the like when the player names one.
    if (platform.startsWith(QLatin1String("wayland"))) {
#if MEPO_WAYLAND
        return std::make_unique<WaylandDesktop>(std::move(before));
#else
        // Built without asking the compositor about title bars: Qt's own
        // draw them where the compositor does not.
        return std::make_unique<Desktop>("wayland", waylandPlacement, std::move(before));
#endif
    }
    if (platform == QLatin1String("xcb")) return std::make_unique<Desktop>("x11", x11Placement, std::move(before));
    return std::make_unique<Desktop>("plain", plainPlacement, std::move(before));
}

void Desktop::frame(QWidget&, Frame) {}

QProcessEnvironment Desktop::environmentForPrograms() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& name : before_.setForTheGame) env.remove(name);
    return env;
}

bool Desktop::environmentIsThePlayers() const { return before_.setForTheGame.isEmpty(); }

}  // namespace mepo
