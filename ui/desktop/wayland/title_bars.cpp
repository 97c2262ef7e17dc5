#include "title_bars.h"

#include <poll.h>

#include <QDeadlineTimer>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <wayland-client.h>

#include "xdg-decoration-unstable-v1-client-protocol.h"
#include "xdg-shell-client-protocol.h"

namespace mepo {

bool keepQtTitleBarsOff() {
    if (std::getenv(kQtTitleBarsOff)) return false;
    setenv(kQtTitleBarsOff, "1", 1);
    return true;
}

// The objects of the question, on their own queue: the compositor's globals
// it needs, then a window that is never drawn, with its decoration object.
struct TitleBarQuestion::Exchange {
    wl_display* display = nullptr;
    wl_event_queue* queue = nullptr;
    wl_display* wrapped = nullptr;  // Qt's display, its requests' answers on our queue
    wl_registry* registry = nullptr;
    wl_compositor* compositor = nullptr;
    xdg_wm_base* shell = nullptr;
    zxdg_decoration_manager_v1* decorations = nullptr;
    wl_surface* surface = nullptr;
    xdg_surface* shellSurface = nullptr;
    xdg_toplevel* toplevel = nullptr;
    zxdg_toplevel_decoration_v1* decoration = nullptr;
    bool configured = false;
    uint32_t mode = ZXDG_TOPLEVEL_DECORATION_V1_MODE_CLIENT_SIDE;

    // Dispatches the queue, reading the display as it comes, until done()
    // or the deadline. Qt may read the same connection meanwhile: libwayland
    // hands each queue's events to whoever dispatches that queue.
    bool waitFor(const std::function<bool()>& done, QDeadlineTimer deadline) {
        while (!done()) {
            if (wl_display_dispatch_queue_pending(display, queue) < 0) return false;
            if (done()) break;
            if (deadline.hasExpired()) return false;
            if (wl_display_prepare_read_queue(display, queue) != 0) continue;  // queued meanwhile
            wl_display_flush(display);
            pollfd p{wl_display_get_fd(display), POLLIN, 0};
            const auto left = deadline.remainingTime();
            if (poll(&p, 1, static_cast<int>(left < 0 ? 1000 : left)) > 0) {
                if (wl_display_read_events(display) < 0) return false;
            } else {
                wl_display_cancel_read(display);
            }
        }
        return true;
    }

    void forgetWindow() {
        if (decoration) zxdg_toplevel_decoration_v1_destroy(decoration);
        if (toplevel) xdg_toplevel_destroy(toplevel);
        if (shellSurface) xdg_surface_destroy(shellSurface);
        if (surface) wl_surface_destroy(surface);
        if (decorations) zxdg_decoration_manager_v1_destroy(decorations);
        if (shell) xdg_wm_base_destroy(shell);
        if (compositor) wl_compositor_destroy(compositor);
        if (registry) wl_registry_destroy(registry);
        decoration = nullptr, toplevel = nullptr, shellSurface = nullptr, surface = nullptr;
        decorations = nullptr, shell = nullptr, compositor = nullptr, registry = nullptr;
        wl_display_flush(display);
    }
};

namespace {

using Exchange = TitleBarQuestion::Exchange;

void global(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
    auto* x = static_cast<Exchange*>(data);
    if (std::strcmp(interface, wl_compositor_interface.name) == 0)
        x->compositor = static_cast<wl_compositor*>(wl_registry_bind(registry, name, &wl_compositor_interface, 1));
    else if (std::strcmp(interface, xdg_wm_base_interface.name) == 0)
        x->shell = static_cast<xdg_wm_base*>(wl_registry_bind(registry, name, &xdg_wm_base_interface, 1));
    else if (std::strcmp(interface, zxdg_decoration_manager_v1_interface.name) == 0)
        x->decorations = static_cast<zxdg_decoration_manager_v1*>(
            wl_registry_bind(registry, name, &zxdg_decoration_manager_v1_interface, 1));
}
void globalRemoved(void*, wl_registry*, uint32_t) {}
const wl_registry_listener registryListener{global, globalRemoved};

void ping(void*, xdg_wm_base* shell, uint32_t serial) { xdg_wm_base_pong(shell, serial); }
const xdg_wm_base_listener shellListener{ping};

void surfaceConfigured(void* data, xdg_surface* surface, uint32_t serial) {
    xdg_surface_ack_configure(surface, serial);
    static_cast<Exchange*>(data)->configured = true;
}
const xdg_surface_listener surfaceListener{surfaceConfigured};

void toplevelConfigured(void*, xdg_toplevel*, int32_t, int32_t, wl_array*) {}
void toplevelClosed(void*, xdg_toplevel*) {}
void toplevelBounds(void*, xdg_toplevel*, int32_t, int32_t) {}
void toplevelCapabilities(void*, xdg_toplevel*, wl_array*) {}
const xdg_toplevel_listener toplevelListener{toplevelConfigured, toplevelClosed, toplevelBounds, toplevelCapabilities};

void modeConfigured(void* data, zxdg_toplevel_decoration_v1*, uint32_t mode) { static_cast<Exchange*>(data)->mode = mode; }
const zxdg_toplevel_decoration_v1_listener decorationListener{modeConfigured};

}  // namespace

TitleBarQuestion::TitleBarQuestion(wl_display* display) : x_(std::make_unique<Exchange>()) {
    Exchange& x = *x_;
    x.display = display;
    x.queue = wl_display_create_queue(display);
    x.wrapped = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(x.wrapped), x.queue);
    x.registry = wl_display_get_registry(x.wrapped);
    wl_registry_add_listener(x.registry, &registryListener, &x);
    // The globals it needs: one round trip.
    wl_display_roundtrip_queue(display, x.queue);
    if (!x.compositor || !x.shell || !x.decorations) {
        answer_ = false;  // no decoration protocol: the title bars are the window's
        x.forgetWindow();
        return;
    }
    // Asked as Qt's window asks: a decoration object for the toplevel before
    // its first commit, with no preference; the compositor chooses, and says
    // so with the configure that answers the commit. Sent now, read later.
    xdg_wm_base_add_listener(x.shell, &shellListener, &x);
    x.surface = wl_compositor_create_surface(x.compositor);
    x.shellSurface = xdg_wm_base_get_xdg_surface(x.shell, x.surface);
    xdg_surface_add_listener(x.shellSurface, &surfaceListener, &x);
    x.toplevel = xdg_surface_get_toplevel(x.shellSurface);
    xdg_toplevel_add_listener(x.toplevel, &toplevelListener, &x);
    x.decoration = zxdg_decoration_manager_v1_get_toplevel_decoration(x.decorations, x.toplevel);
    zxdg_toplevel_decoration_v1_add_listener(x.decoration, &decorationListener, &x);
    zxdg_toplevel_decoration_v1_unset_mode(x.decoration);
    wl_surface_commit(x.surface);  // no picture: the window is configured, never shown
    wl_display_flush(display);
}

TitleBarQuestion::~TitleBarQuestion() {
    Exchange& x = *x_;
    x.forgetWindow();
    // Nothing of the question left in flight before its queue goes.
    wl_display_roundtrip_queue(x.display, x.queue);
    wl_proxy_wrapper_destroy(x.wrapped);
    wl_event_queue_destroy(x.queue);
}

bool TitleBarQuestion::compositorDrawsThem() {
    if (!answer_) {
        Exchange& x = *x_;
        x.waitFor([&] { return x.configured; }, QDeadlineTimer(1000));
        answer_ = x.configured && x.mode == ZXDG_TOPLEVEL_DECORATION_V1_MODE_SERVER_SIDE;
        x.forgetWindow();
    }
    return *answer_;
}

}  // namespace mepo
