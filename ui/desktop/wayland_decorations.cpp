#include "wayland_decorations.h"

#include <QGuiApplication>
#include <qpa/qplatformnativeinterface.h>
#include <cstdlib>
#include <cstring>
#include <wayland-client.h>

#include "xdg-decoration-unstable-v1-client-protocol.h"
#include "xdg-shell-client-protocol.h"

namespace mepo {

namespace {

constexpr char kQtTitleBarsOff[] = "QT_WAYLAND_DISABLE_WINDOWDECORATION";
// Set by keepQtTitleBarsOff(), before any thread could read it.
bool turnedOffByGame = false;

// One question to the compositor, on a queue of its own so that Qt's
// dispatching never sees its answers: a window that is never drawn asks for
// server-side title bars, and the compositor configures a mode.
struct Probe {
    wl_compositor* compositor = nullptr;
    xdg_wm_base* shell = nullptr;
    zxdg_decoration_manager_v1* decorations = nullptr;
    bool configured = false;
    uint32_t mode = ZXDG_TOPLEVEL_DECORATION_V1_MODE_CLIENT_SIDE;
};

void global(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
    auto* p = static_cast<Probe*>(data);
    if (std::strcmp(interface, wl_compositor_interface.name) == 0)
        p->compositor = static_cast<wl_compositor*>(wl_registry_bind(registry, name, &wl_compositor_interface, 1));
    else if (std::strcmp(interface, xdg_wm_base_interface.name) == 0)
        p->shell = static_cast<xdg_wm_base*>(wl_registry_bind(registry, name, &xdg_wm_base_interface, 1));
    else if (std::strcmp(interface, zxdg_decoration_manager_v1_interface.name) == 0)
        p->decorations = static_cast<zxdg_decoration_manager_v1*>(
            wl_registry_bind(registry, name, &zxdg_decoration_manager_v1_interface, 1));
}
void globalRemoved(void*, wl_registry*, uint32_t) {}
const wl_registry_listener registryListener{global, globalRemoved};

void ping(void*, xdg_wm_base* shell, uint32_t serial) { xdg_wm_base_pong(shell, serial); }
const xdg_wm_base_listener shellListener{ping};

void surfaceConfigured(void* data, xdg_surface* surface, uint32_t serial) {
    xdg_surface_ack_configure(surface, serial);
    static_cast<Probe*>(data)->configured = true;
}
const xdg_surface_listener surfaceListener{surfaceConfigured};

void toplevelConfigured(void*, xdg_toplevel*, int32_t, int32_t, wl_array*) {}
void toplevelClosed(void*, xdg_toplevel*) {}
void toplevelBounds(void*, xdg_toplevel*, int32_t, int32_t) {}
void toplevelCapabilities(void*, xdg_toplevel*, wl_array*) {}
const xdg_toplevel_listener toplevelListener{toplevelConfigured, toplevelClosed, toplevelBounds, toplevelCapabilities};

void modeConfigured(void* data, zxdg_toplevel_decoration_v1*, uint32_t mode) { static_cast<Probe*>(data)->mode = mode; }
const zxdg_toplevel_decoration_v1_listener decorationListener{modeConfigured};

// True when the compositor leaves the title bars to the windows.
bool compositorLeavesTitleBars(wl_display* display) {
    wl_event_queue* queue = wl_display_create_queue(display);
    auto* wrapped = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapped), queue);
    Probe p;
    wl_registry* registry = wl_display_get_registry(wrapped);
    wl_registry_add_listener(registry, &registryListener, &p);
    wl_display_roundtrip_queue(display, queue);

    bool leaves = true;
    if (p.compositor && p.shell && p.decorations) {
        xdg_wm_base_add_listener(p.shell, &shellListener, &p);
        wl_surface* surface = wl_compositor_create_surface(p.compositor);
        xdg_surface* shellSurface = xdg_wm_base_get_xdg_surface(p.shell, surface);
        xdg_surface_add_listener(shellSurface, &surfaceListener, &p);
        xdg_toplevel* toplevel = xdg_surface_get_toplevel(shellSurface);
        xdg_toplevel_add_listener(toplevel, &toplevelListener, &p);
        auto* decoration = zxdg_decoration_manager_v1_get_toplevel_decoration(p.decorations, toplevel);
        zxdg_toplevel_decoration_v1_add_listener(decoration, &decorationListener, &p);
        zxdg_toplevel_decoration_v1_set_mode(decoration, ZXDG_TOPLEVEL_DECORATION_V1_MODE_SERVER_SIDE);
        wl_surface_commit(surface);  // no picture: the window is configured, never shown
        for (int i = 0; i < 10 && !p.configured; ++i)
            if (wl_display_roundtrip_queue(display, queue) < 0) break;
        leaves = !p.configured || p.mode != ZXDG_TOPLEVEL_DECORATION_V1_MODE_SERVER_SIDE;
        zxdg_toplevel_decoration_v1_destroy(decoration);
        xdg_toplevel_destroy(toplevel);
        xdg_surface_destroy(shellSurface);
        wl_surface_destroy(surface);
    }
    if (p.decorations) zxdg_decoration_manager_v1_destroy(p.decorations);
    if (p.shell) xdg_wm_base_destroy(p.shell);
    if (p.compositor) wl_compositor_destroy(p.compositor);
    wl_registry_destroy(registry);
    wl_display_roundtrip_queue(display, queue);  // nothing of the probe left in flight
    wl_proxy_wrapper_destroy(wrapped);
    wl_event_queue_destroy(queue);
    return leaves;
}

wl_display* qtsDisplay() {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    return native ? static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display")) : nullptr;
}

}  // namespace

void keepQtTitleBarsOff() {
    if (std::getenv(kQtTitleBarsOff)) return;
    setenv(kQtTitleBarsOff, "1", 1);
    turnedOffByGame = true;
}

QProcessEnvironment environmentForPrograms() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (turnedOffByGame) env.remove(QString::fromLatin1(kQtTitleBarsOff));
    return env;
}

bool environmentIsThePlayers() { return !turnedOffByGame; }

bool onNativeWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

bool windowsDrawOwnTitleBars() {
    static const bool own = [] {
        if (!onNativeWayland() || !turnedOffByGame) return false;
        wl_display* display = qtsDisplay();
        return display && compositorLeavesTitleBars(display);
    }();
    return own;
}

}  // namespace mepo
