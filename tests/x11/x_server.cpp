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

bool waitForWindowManager() {
    xcb_connection_t* c = connection();
    if (!c) return false;
    static const char name[] = "_NET_SUPPORTING_WM_CHECK";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, sizeof name - 1, name), nullptr);
    if (!atom) return false;
    const xcb_atom_t check = atom->atom;
    std::free(atom);
    for (int i = 0; i < 100; ++i) {
        xcb_get_property_reply_t* p = xcb_get_property_reply(
            c, xcb_get_property(c, 0, rootOf(c), check, XCB_ATOM_WINDOW, 0, 1), nullptr);
        const bool there = p && xcb_get_property_value_length(p) > 0;
        std::free(p);
        if (there) return true;
        QThread::msleep(100);
    }
    return false;
}

bool settle(const std::function<bool()>& done, int limitMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > limitMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

}  // namespace mepo::test
