#include "wayland_desktop.h"

#include <QGuiApplication>
#include <cstring>
#include <wayland-client.h>

namespace mepo {

namespace {

constexpr char kQtNoTitleBars[] = "QT_WAYLAND_DISABLE_WINDOWDECORATION";

void global(void* data, wl_registry*, uint32_t, const char* interface, uint32_t) {
    if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0) *static_cast<bool*>(data) = true;
}
void globalRemoved(void*, wl_registry*, uint32_t) {}

bool askCompositor() {
    wl_display* display = wl_display_connect(nullptr);  // WAYLAND_DISPLAY, as Qt uses it
    if (!display) return false;
    bool offers = false;
    static const wl_registry_listener listener{global, globalRemoved};
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &offers);
    wl_display_roundtrip(display);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return offers;
}

}  // namespace

bool onNativeWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

bool compositorDrawsTitleBars() {
    static const bool draws = askCompositor();
    return draws;
}

bool windowDrawsOwnTitleBar() {
    // Decided once, before any window shows (and so before QtTitleBarsOff
    // has set the variable it reads).
    static const bool own = [] {
        if (!onNativeWayland()) return false;
        // The player's own choice, either way: Qt's title bar, or none at all.
        if (qEnvironmentVariableIsSet(kQtNoTitleBars)) return false;
        return !compositorDrawsTitleBars();
    }();
    return own;
}

// Qt reads the variable once, when it first decides about a title bar: at
// the first show of a window. Set around that show, it decides for the
// whole run.
QtTitleBarsOff::QtTitleBarsOff() {
    if (!onNativeWayland() || qEnvironmentVariableIsSet(kQtNoTitleBars)) return;
    qputenv(kQtNoTitleBars, "1");
    set_ = true;
}

QtTitleBarsOff::~QtTitleBarsOff() {
    if (set_) qunsetenv(kQtNoTitleBars);
}

}  // namespace mepo
