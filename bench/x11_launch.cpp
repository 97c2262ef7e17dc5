// Starts a program and tells, as the X server sees it, how long it took for
// its first top-level window to be mapped, and how much memory the program
// had used at its peak a while after that. Then it ends the program.
//
//   mepo_x11_launch [--settle SECONDS] [--timeout SECONDS] -- PROGRAM [ARGS...]
//   mepo_x11_launch --wait-wm [--timeout SECONDS]
//
// The first form prints one line of key=value pairs:
//   map_ms=152.3 hwm_kib=40960 rss_kib=40100 frame=0x400003 client=0x800008 class=mepo
// map_ms: from just before the program is forked to the moment this client
// receives the MapNotify of the program's first top-level window (with a
// window manager, the frame it maps around the program's window). The
// notification is waited for on the X connection, not polled for.
// hwm_kib, rss_kib: VmHWM and VmRSS of /proc/PID/status, read SECONDS
// (default 1.5) after the mapping, once the first paint is done.
// A window counts as the program's only when it, or a window inside it,
// carries the program's process id in _NET_WM_PID; windows of anyone else,
// and override-redirect ones (menus, tooltips), are passed over.
// On failure the line holds error=... and the exit status is not 0.
//
// The second form waits until a window manager runs on the display
// (_NET_SUPPORTING_WM_CHECK on the root window) and prints wm=ready.
#include <fcntl.h>
#include <poll.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "measure.h"

using namespace mepo::bench;

namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> own(T* p) {
    return Reply<T>(p, &std::free);
}

struct X {
    xcb_connection_t* c = nullptr;
    xcb_window_t root = 0;
    xcb_atom_t netWmPid = 0;
    xcb_atom_t wmCheck = 0;

    xcb_atom_t atom(const char* name) {
        auto r = own(xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name),
                                           nullptr));
        return r ? r->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    }

    std::optional<uint32_t> cardinal(xcb_window_t w, xcb_atom_t property) {
        auto r = own(xcb_get_property_reply(c, xcb_get_property(c, 0, w, property, XCB_ATOM_CARDINAL, 0, 1), nullptr));
        if (!r || r->format != 32 || xcb_get_property_value_length(r.get()) < 4) return std::nullopt;
        return *static_cast<uint32_t*>(xcb_get_property_value(r.get()));
    }

    // WM_CLASS as "instance.class".
    std::string wmClass(xcb_window_t w) {
        auto r = own(xcb_get_property_reply(c, xcb_get_property(c, 0, w, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 64),
                                            nullptr));
        if (!r) return "";
        const char* v = static_cast<const char*>(xcb_get_property_value(r.get()));
        std::string s(v, static_cast<size_t>(xcb_get_property_value_length(r.get())));
        for (char& ch : s)
            if (ch == '\0') ch = '.';
        while (!s.empty() && s.back() == '.') s.pop_back();
        return s;
    }

    // The window carrying pid in _NET_WM_PID: w itself or one inside it.
    xcb_window_t findOwnedBy(xcb_window_t w, uint32_t pid, int depth) {
        if (cardinal(w, netWmPid) == pid) return w;
        if (depth == 0) return XCB_WINDOW_NONE;
        auto tree = own(xcb_query_tree_reply(c, xcb_query_tree(c, w), nullptr));
        if (!tree) return XCB_WINDOW_NONE;
        const xcb_window_t* kids = xcb_query_tree_children(tree.get());
        const int n = xcb_query_tree_children_length(tree.get());
        for (int i = 0; i < n; ++i)
            if (xcb_window_t found = findOwnedBy(kids[i], pid, depth - 1)) return found;
        return XCB_WINDOW_NONE;
    }
};

int pidfdOpen(pid_t pid) {
#ifdef SYS_pidfd_open
    return static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
#else
    (void)pid;
    return -1;
#endif
}

int waitForWindowManager(X& x, double timeoutMs) {
    const double limit = nowMs() + timeoutMs;
    for (;;) {
        auto r = own(xcb_get_property_reply(
            x.c, xcb_get_property(x.c, 0, x.root, x.wmCheck, XCB_ATOM_WINDOW, 0, 1), nullptr));
        if (r && xcb_get_property_value_length(r.get()) >= 4) {
            std::printf("wm=ready\n");
            return 0;
        }
        const double left = limit - nowMs();
        if (left <= 0) {
            return fail("no-window-manager");
        }
        pollfd p{xcb_get_file_descriptor(x.c), POLLIN, 0};
        poll(&p, 1, static_cast<int>(left) + 1);
        while (xcb_generic_event_t* ev = xcb_poll_for_event(x.c)) std::free(ev);
        if (xcb_connection_has_error(x.c)) {
            return fail("x-connection-lost");
        }
    }
}

struct Mapped {
    xcb_window_t window;
    double at;
};

}  // namespace

int main(int argc, char* argv[]) {
    LaunchArgs args;
    if (!parseLaunchArgs(argc, argv, 30, "--wait-wm", args)) return 2;

    X x;
    int screenNumber = 0;
    x.c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(x.c)) {
        return fail("no-x-display");
    }
    fcntl(xcb_get_file_descriptor(x.c), F_SETFD, FD_CLOEXEC);
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(x.c));
    for (int i = 0; i < screenNumber && it.rem; ++i) xcb_screen_next(&it);
    x.root = it.data->root;
    x.netWmPid = x.atom("_NET_WM_PID");
    x.wmCheck = x.atom("_NET_SUPPORTING_WM_CHECK");

    // Every window mapped on the root (and every root property change) is
    // reported to us from here on; the check makes sure the server has
    // taken the selection before the program starts.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_PROPERTY_CHANGE;
    if (auto* e = xcb_request_check(x.c, xcb_change_window_attributes_checked(x.c, x.root, XCB_CW_EVENT_MASK, &mask))) {
        std::free(e);
        return fail("cannot-watch-root");
    }

    if (args.flag) return waitForWindowManager(x, args.timeoutS * 1e3);

    const double t0 = nowMs();
    const pid_t pid = fork();
    if (pid < 0) {
        return fail("fork");
    }
    if (pid == 0) {
        const int null = open("/dev/null", O_RDWR);
        if (null >= 0) {
            dup2(null, STDIN_FILENO);
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
        }
        execvp(args.program[0], args.program);
        _exit(127);
    }
    const int pidfd = pidfdOpen(pid);
    const int xfd = xcb_get_file_descriptor(x.c);

    // Wait for the program's first top-level window. Mapped windows are
    // stamped as soon as their notification is read, and checked for the
    // program's id after the batch is read; one that does not (yet) hold
    // the program's window is checked again at the next wake-up.
    std::vector<Mapped> unverified;
    auto take = [&](xcb_generic_event_t* ev, double at) {
        const uint8_t type = ev->response_type & 0x7f;
        if (type == XCB_MAP_NOTIFY) {
            auto* m = reinterpret_cast<xcb_map_notify_event_t*>(ev);
            if (m->event == x.root && !m->override_redirect) unverified.push_back({m->window, at});
        } else if (type == XCB_DESTROY_NOTIFY) {
            auto* d = reinterpret_cast<xcb_destroy_notify_event_t*>(ev);
            std::erase_if(unverified, [&](const Mapped& m) { return m.window == d->window; });
        }
        std::free(ev);
    };
    xcb_window_t frame = XCB_WINDOW_NONE, client = XCB_WINDOW_NONE;
    double mappedAt = 0;
    const double limit = t0 + args.timeoutS * 1e3;
    for (;;) {
        // Events read while we waited for replies are already queued; they
        // came during the check just made, so they are stamped now, which
        // is late by that check at most. Only with none queued do we wait.
        if (xcb_generic_event_t* queued = xcb_poll_for_queued_event(x.c)) {
            take(queued, nowMs());
        } else {
            const double left = limit - nowMs();
            if (left <= 0) {
                return fail("timeout", pid);
            }
            pollfd fds[2] = {{xfd, POLLIN, 0}, {pidfd, POLLIN, 0}};
            // Without a process handle, an early exit is noticed within
            // 50 ms; a mapping always wakes us at once.
            const int wait = static_cast<int>(left) + 1;
            poll(fds, pidfd >= 0 ? 2 : 1, pidfd >= 0 ? wait : std::min(wait, 50));
        }
        const double stamp = nowMs();
        while (xcb_generic_event_t* ev = xcb_poll_for_event(x.c)) take(ev, stamp);
        if (xcb_connection_has_error(x.c)) {
            return fail("x-connection-lost", pid);
        }
        for (const Mapped& m : unverified) {
            if (const xcb_window_t w = x.findOwnedBy(m.window, static_cast<uint32_t>(pid), 3)) {
                frame = m.window;
                client = w;
                mappedAt = m.at;
                break;
            }
        }
        if (frame != XCB_WINDOW_NONE) break;
        if (exited(pid)) return fail("exited-before-mapping");
    }

    // Let the program paint its first picture, then read its peak memory.
    const double readAt = mappedAt + args.settleS * 1e3;
    for (double left; (left = readAt - nowMs()) > 0;) {
        if (exited(pid)) return fail("exited-while-settling");
        pollfd p{pidfd, POLLIN, 0};
        poll(&p, pidfd >= 0 ? 1 : 0, static_cast<int>(left) + 1);
    }
    const long hwm = statusKib(pid, "VmHWM");
    const long rss = statusKib(pid, "VmRSS");
    const std::string cls = x.wmClass(client);
    endProgram(pid);
    if (pidfd >= 0) close(pidfd);

    if (hwm < 0) {
        return fail("no-memory-figures");
    }
    std::printf("map_ms=%.1f hwm_kib=%ld rss_kib=%ld frame=0x%x client=0x%x class=%s\n", mappedAt - t0, hwm, rss,
                frame, client, cls.empty() ? "-" : cls.c_str());
    xcb_disconnect(x.c);
    return 0;
}
