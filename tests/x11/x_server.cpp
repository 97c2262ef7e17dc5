#include "x_server.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
#include <cstdlib>
#include <xcb/xcb.h>

namespace mepo::test {

namespace {

xcb_connection_t* connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t rootOf(xcb_connection_t* c) { return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root; }

QRect onScreen(xcb_connection_t* c, xcb_window_t w) {
    xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr);
    if (!g) return {};
    xcb_translate_coordinates_reply_t* t =
        xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, w, rootOf(c), 0, 0), nullptr);
    QRect r;
    if (t) r = QRect(t->dst_x, t->dst_y, g->width, g->height);
    std::free(t);
    std::free(g);
    return r;
}

}  // namespace

QRect windowOnServer(const QWidget& window) {
    xcb_connection_t* c = connection();
    return c ? onScreen(c, static_cast<xcb_window_t>(window.winId())) : QRect();
}

QRect frameOnServer(const QWidget& window) {
    xcb_connection_t* c = connection();
    if (!c) return {};
    // Up from the window to the last ancestor below the root: the frame.
    xcb_window_t w = static_cast<xcb_window_t>(window.winId());
    for (;;) {
        xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c, xcb_query_tree(c, w), nullptr);
        if (!tree) return {};
        const xcb_window_t parent = tree->parent, root = tree->root;
        std::free(tree);
        if (parent == root || parent == XCB_NONE) break;
        w = parent;
    }
    return onScreen(c, w);
}

void dragFrameTo(const QWidget& window, QPoint frameTopLeft) {
    xcb_connection_t* c = connection();
    if (!c) return;
    static const char name[] = "_NET_MOVERESIZE_WINDOW";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, sizeof name - 1, name), nullptr);
    if (!atom) return;
    // North-west gravity (the point is the frame's corner), x and y given,
    // from a pager or similar tool acting for the player.
    xcb_client_message_event_t e{};
    e.response_type = XCB_CLIENT_MESSAGE;
    e.format = 32;
    e.window = static_cast<xcb_window_t>(window.winId());
    e.type = atom->atom;
    e.data.data32[0] = XCB_GRAVITY_NORTH_WEST | 1 << 8 | 1 << 9 | 2 << 12;
    e.data.data32[1] = static_cast<uint32_t>(frameTopLeft.x());
    e.data.data32[2] = static_cast<uint32_t>(frameTopLeft.y());
    std::free(atom);
    xcb_send_event(c, 0, rootOf(c), XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&e));
    xcb_flush(c);
}

namespace {

bool hasWindowManagerCheck(xcb_connection_t* c) {
    static const char name[] = "_NET_SUPPORTING_WM_CHECK";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, sizeof name - 1, name), nullptr);
    if (!atom) return false;
    xcb_get_property_reply_t* p =
        xcb_get_property_reply(c, xcb_get_property(c, 0, rootOf(c), atom->atom, XCB_ATOM_WINDOW, 0, 1), nullptr);
    const bool there = p && xcb_get_property_value_length(p) > 0;
    std::free(p);
    std::free(atom);
    return there;
}

bool framed(xcb_connection_t* c, xcb_window_t w) {
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c, xcb_query_tree(c, w), nullptr);
    const bool yes = tree && tree->parent != tree->root;
    std::free(tree);
    return yes;
}

}  // namespace

bool waitForWindowManager() {
    xcb_connection_t* c = connection();
    if (!c) return false;
    int waited = 0;
    while (!hasWindowManagerCheck(c)) {
        if ((waited += 50) > 10000) return false;
        QThread::msleep(50);
    }
    // Up, and framing windows: map a small probe window until it gets a
    // frame (mapped again now and then, in case it came too early).
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t probe = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, probe, screen->root, 0, 0, 10, 10, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
    bool ok = false;
    for (int attempt = 0; attempt < 20 && !ok; ++attempt) {
        xcb_map_window(c, probe);
        xcb_flush(c);
        for (int i = 0; i < 10 && !ok; ++i) {
            QThread::msleep(50);
            ok = framed(c, probe);
        }
        if (!ok) {
            xcb_unmap_window(c, probe);
            xcb_flush(c);
        }
    }
    xcb_destroy_window(c, probe);
    xcb_flush(c);
    return ok;
}

}  // namespace mepo::test
