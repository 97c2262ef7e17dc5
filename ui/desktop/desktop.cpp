// The one place that knows which desktops there are and chooses among them.
#include "desktop.h"

#include <QGuiApplication>
#include <QStringList>

#include "plain/plain_placement.h"
#include "wayland/wayland_placement.h"
#include "x11/x11_placement.h"
#if MEPO_WAYLAND
#include "wayland/wayland_desktop.h"
#endif

namespace mepo {

namespace {

// What beforeQt() set in the environment for the game alone.
QStringList setForTheGame;

std::unique_ptr<Desktop> choose() {
    const QString platform = QGuiApplication::platformName();
    // "wayland", or "wayland-egl" and the like when the player names one.
    if (platform.startsWith(QLatin1String("wayland"))) {
#if MEPO_WAYLAND
        return std::make_unique<WaylandDesktop>(setForTheGame.contains(QLatin1String(kQtTitleBarsOff)));
#else
        // Built without asking the compositor about title bars: Qt's own
        // draw them where the compositor does not.
        return std::make_unique<Desktop>("wayland", waylandPlacement);
#endif
    }
    if (platform == QLatin1String("xcb")) return std::make_unique<Desktop>("x11", x11Placement);
    return std::make_unique<Desktop>("plain", plainPlacement);
}

}  // namespace

void Desktop::beforeQt() {
#if MEPO_WAYLAND
    if (keepQtTitleBarsOff()) setForTheGame << QLatin1String(kQtTitleBarsOff);
#endif
}

Desktop& Desktop::current() {
    // Never destroyed: a window may ask it until the very end.
    static Desktop* const chosen = choose().release();
    return *chosen;
}

OwnFrame* Desktop::frameFor(QWidget&, OwnFrame::Kind) { return nullptr; }

QProcessEnvironment Desktop::environmentForPrograms() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& name : setForTheGame) env.remove(name);
    return env;
}

bool Desktop::environmentIsThePlayers() const { return setForTheGame.isEmpty(); }

}  // namespace mepo
