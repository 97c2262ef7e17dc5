// How long a difficulty command takes, as the player sees it: from the menu
// command until the window's frame stands on the X server at the size it
// settles at, centred on the screen, and the board has been painted at its
// final size.
//
//   mepo_difficulty_timing [--cycles N] [--quiet-ms MS] [--limit-s S]
//
// Runs on an X server with a window manager (bench/difficulty starts a
// private one). The game's window is shown and left to settle, then the
// commands 高级, 中级, 初级 are given in turn, N times round (default 3).
// Each change is printed; then, for each of the three, the first, the
// median and the slowest time.
//
// What the server shows is read on connections of our own, never from Qt's
// cached geometry: a watcher thread stamps every ConfigureNotify of the
// frame that the window manager put around the game's window, the moment
// it arrives. A change is over when nothing has moved or been painted for
// MS milliseconds (default 1500); the final geometry is then read from the
// server. The time reported runs from the command to the later of
//   - the first notification after which the frame stayed at that final
//     geometry, and
//   - the end of the board's first paint at its final size (after the last
//     one at any other size).
// Centred means: frame left = (screen width - frame width) / 2 and frame
// top = (screen height - 245 twips - frame height) / 2, each within 1 px.
// A change that has not settled within S seconds (default 20) is a failure.
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "measure.h"
#include "ui/desktop/desktop.h"
#include "ui/form1.h"
#include "ui/toolkit/fonts.h"

using mepo::bench::nowMs;
using mepo::bench::statusKib;

namespace {

struct Geometry {
    int x = 0, y = 0, w = 0, h = 0;  // outer: border included
    bool operator==(const Geometry&) const = default;
    std::string text() const {
        return std::to_string(w) + "x" + std::to_string(h) + "+" + std::to_string(x) + "+" + std::to_string(y);
    }
};

template <typename T>
std::unique_ptr<T, decltype(&std::free)> own(T* p) {
    return {p, &std::free};
}

xcb_connection_t* connectX() {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "cannot connect to the X display\n");
        std::exit(2);
    }
    return c;
}

// Reads the server's view of windows, on a connection of its own.
class Server {
public:
    Server() : c_(connectX()) { root_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root; }
    ~Server() { xcb_disconnect(c_); }

    // The top-level window that holds w: the frame of a window manager, or
    // w itself when nobody reparented it.
    xcb_window_t frameOf(xcb_window_t w) {
        for (;;) {
            auto tree = own(xcb_query_tree_reply(c_, xcb_query_tree(c_, w), nullptr));
            if (!tree || tree->parent == root_ || tree->parent == XCB_WINDOW_NONE) return w;
            w = tree->parent;
        }
    }

    std::optional<Geometry> geometry(xcb_window_t w) {
        auto g = own(xcb_get_geometry_reply(c_, xcb_get_geometry(c_, w), nullptr));
        if (!g) return std::nullopt;
        // Where the window's inside lies on the root, border excluded.
        auto t = own(xcb_translate_coordinates_reply(c_, xcb_translate_coordinates(c_, w, root_, 0, 0), nullptr));
        if (!t) return std::nullopt;
        return Geometry{t->dst_x - g->border_width, t->dst_y - g->border_width, g->width + 2 * g->border_width,
                        g->height + 2 * g->border_width};
    }

    Geometry screen() { return *geometry(root_); }

    std::string windowManager() {
        const xcb_atom_t check = atom("_NET_SUPPORTING_WM_CHECK"), name = atom("_NET_WM_NAME");
        auto r = own(xcb_get_property_reply(c_, xcb_get_property(c_, 0, root_, check, XCB_ATOM_WINDOW, 0, 1), nullptr));
        if (!r || xcb_get_property_value_length(r.get()) < 4) return "none";
        const xcb_window_t wm = *static_cast<xcb_window_t*>(xcb_get_property_value(r.get()));
        auto n = own(xcb_get_property_reply(c_, xcb_get_property(c_, 0, wm, name, XCB_ATOM_ANY, 0, 64), nullptr));
        if (!n) return "unnamed";
        return std::string(static_cast<const char*>(xcb_get_property_value(n.get())),
                           static_cast<size_t>(xcb_get_property_value_length(n.get())));
    }

private:
    xcb_atom_t atom(const char* name) {
        auto r = own(
            xcb_intern_atom_reply(c_, xcb_intern_atom(c_, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
        return r ? r->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    }

    xcb_connection_t* c_;
    xcb_window_t root_ = 0;
};

struct Move {
    double at;
    Geometry g;
};

// Stamps every move and resize of one window as the server reports it, on
// its own thread and connection, so that a busy game thread delays nothing.
class FrameWatcher {
public:
    explicit FrameWatcher(xcb_window_t frame) : c_(connectX()), frame_(frame), stop_(eventfd(0, EFD_CLOEXEC)) {
        const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        // Checked, so that the selection holds before anything is measured.
        std::free(xcb_request_check(c_, xcb_change_window_attributes_checked(c_, frame_, XCB_CW_EVENT_MASK, &mask)));
        thread_ = std::thread([this] { run(); });
    }
    ~FrameWatcher() {
        const uint64_t one = 1;
        if (write(stop_, &one, sizeof one) != sizeof one) std::abort();
        thread_.join();
        close(stop_);
        xcb_disconnect(c_);
    }

    std::vector<Move> since(double t) {
        std::lock_guard lock(mutex_);
        std::vector<Move> out;
        for (const Move& m : moves_)
            if (m.at >= t) out.push_back(m);
        return out;
    }
    double lastAt() {
        std::lock_guard lock(mutex_);
        return moves_.empty() ? 0 : moves_.back().at;
    }

private:
    void run() {
        const int xfd = xcb_get_file_descriptor(c_);
        for (;;) {
            pollfd fds[2] = {{xfd, POLLIN, 0}, {stop_, POLLIN, 0}};
            poll(fds, 2, -1);
            const double at = nowMs();
            if (fds[1].revents) return;
            while (xcb_generic_event_t* ev = xcb_poll_for_event(c_)) {
                if ((ev->response_type & 0x7f) == XCB_CONFIGURE_NOTIFY) {
                    auto* e = reinterpret_cast<xcb_configure_notify_event_t*>(ev);
                    if (e->window == frame_) {
                        // The frame is a child of the root: root coordinates.
                        const Geometry g{e->x, e->y, e->width + 2 * e->border_width,
                                         e->height + 2 * e->border_width};
                        std::lock_guard lock(mutex_);
                        moves_.push_back({at, g});
                    }
                }
                std::free(ev);
            }
            if (xcb_connection_has_error(c_)) return;
        }
    }

    xcb_connection_t* c_;
    xcb_window_t frame_;
    int stop_;
    std::mutex mutex_;
    std::vector<Move> moves_;
    std::thread thread_;
};

struct Paint {
    double at;
    QSize size;
};

// Every paint event the board receives, with the board's size then,
// stamped once the board has painted: the filter hands the event on to the
// board itself, as delivery would next, and takes it as delivered.
class PaintLog : public QObject {
public:
    explicit PaintLog(QWidget* board) : board_(board) { board->installEventFilter(this); }
    std::vector<Paint> paints;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (o != board_ || e->type() != QEvent::Paint) return false;
        const QSize size = board_->size();
        const bool handled = static_cast<QObject*>(board_)->event(e);
        paints.push_back({nowMs(), size});
        return handled;
    }

private:
    QWidget* board_;
};

double median(std::vector<double> v) {
    if (v.empty()) return NAN;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Options {
    int cycles = 3;
    double quietMs = 1500;
    double limitS = 20;
};

Options parse(int argc, char* argv[]) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--cycles" && i + 1 < argc) {
            o.cycles = std::max(1, std::atoi(argv[++i]));
        } else if (a == "--quiet-ms" && i + 1 < argc) {
            o.quietMs = std::atof(argv[++i]);
        } else if (a == "--limit-s" && i + 1 < argc) {
            o.limitS = std::atof(argv[++i]);
        } else {
            std::fprintf(stderr, "usage: %s [--cycles N] [--quiet-ms MS] [--limit-s S]\n", argv[0]);
            std::exit(2);
        }
    }
    return o;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const Options opt = parse(argc, argv);
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        std::fprintf(stderr, "needs an X server (the xcb platform), not %s\n", qPrintable(app.platformName()));
        return 2;
    }
    mepo::installChineseFontFallbacks();

    const std::unique_ptr<mepo::Desktop> desktop = mepo::Desktop::make();
    mepo::Form1 form(*desktop, {});
    QWidget* board = form.findChild<QWidget*>(QStringLiteral("Picture1"));
    PaintLog paints(board);
    form.show();

    // Keeps the event loop waking up, so that quiet can be noticed.
    QTimer tick;
    tick.start(10);
    auto runFor = [&](double ms) {
        const double until = nowMs() + ms;
        while (nowMs() < until) app.processEvents(QEventLoop::WaitForMoreEvents);
    };

    const double shownAt = nowMs();
    while (!(form.windowHandle() && form.windowHandle()->isExposed())) {
        if (nowMs() - shownAt > opt.limitS * 1e3) {
            std::printf("error: the window was not exposed within %.0f s\n", opt.limitS);
            return 1;
        }
        runFor(10);
    }

    Server server;
    const auto client = static_cast<xcb_window_t>(form.winId());
    const xcb_window_t frame = server.frameOf(client);
    FrameWatcher watcher(frame);
    const Geometry screen = server.screen();

    // Nothing moved and nothing painted for the quiet time: settled.
    auto waitQuiet = [&](double from) {
        for (;;) {
            runFor(10);
            const double now = nowMs();
            double last = std::max(from, watcher.lastAt());
            if (!paints.paints.empty()) last = std::max(last, paints.paints.back().at);
            if (now - last >= opt.quietMs) return true;
            if (now - from > opt.limitS * 1e3) return false;
        }
    };
    if (!waitQuiet(shownAt)) {
        std::printf("error: the window did not settle within %.0f s of being shown\n", opt.limitS);
        return 1;
    }

    const double vertical = 245.0 / 15;  // the strip at the screen's bottom left out, in px
    std::printf("screen %dx%d, window manager: %s\n", screen.w, screen.h, server.windowManager().c_str());
    std::printf("settled at start: frame %s (client window %s)\n", server.geometry(frame)->text().c_str(),
                server.geometry(client)->text().c_str());
    std::printf("centred: frame left = (%d - width) / 2, top = (%d - %.2f - height) / 2, each within 1 px\n\n",
                screen.w, screen.h, vertical);

    struct Step {
        const char* from;
        const char* to;
        mepo::Part item;
    };
    const Step steps[] = {{"初级", "高级", mepo::Part::meuHigh}, {"高级", "中级", mepo::Part::meuMiddle},
                          {"中级", "初级", mepo::Part::meuBase}};
    std::map<std::string, std::vector<double>> times;
    std::map<std::string, int> centredCount, failures;
    int failed = 0;

    for (int cycle = 1; cycle <= opt.cycles; ++cycle) {
        for (const Step& s : steps) {
            const std::string name = std::string(s.from) + " → " + s.to;
            const size_t paintsBefore = paints.paints.size();
            const double t0 = nowMs();
            form.session().click(s.item);
            const double returned = nowMs();
            const bool settled = waitQuiet(t0);

            const Geometry g = *server.geometry(frame);
            const Geometry inner = *server.geometry(client);
            const QSize boardSize = board->size();
            const std::vector<Move> moves = watcher.since(t0);
            std::printf("cycle %d  %s: ", cycle, name.c_str());
            if (!settled) {
                std::printf("FAILED: still moving or painting after %.0f s (frame now %s)\n", opt.limitS,
                            g.text().c_str());
                ++failed;
                ++failures[name];
                continue;
            }

            // When the frame reached its final geometry for good: the first
            // of the last run of notifications that report it. With none at
            // all, it stood there already.
            double geometryAt = t0;
            for (size_t i = moves.size(); i-- > 0 && moves[i].g == g;) geometryAt = moves[i].at;
            if (!moves.empty() && !(moves.back().g == g)) geometryAt = nowMs();  // never reported: now at the latest
            // The board's first paint at its final size after the last one at another size.
            double paintedAt = -1;  // none yet
            for (size_t i = paintsBefore; i < paints.paints.size(); ++i) {
                const Paint& p = paints.paints[i];
                if (p.size != boardSize) paintedAt = -1;
                else if (paintedAt < 0) paintedAt = p.at;
            }
            const double dx = g.x - (screen.w - g.w) / 2.0;
            const double dy = g.y - (screen.h - vertical - g.h) / 2.0;
            const bool centred = std::abs(dx) <= 1 && std::abs(dy) <= 1;
            if (paintedAt < 0) {
                std::printf("FAILED: the board was never painted at its final size %dx%d (frame %s)\n",
                            boardSize.width(), boardSize.height(), g.text().c_str());
                ++failed;
                ++failures[name];
                continue;
            }
            const double done = std::max(geometryAt, paintedAt) - t0;
            times[name].push_back(done);
            if (centred) ++centredCount[name];
            std::printf("%8.1f ms  frame %s, client %dx%d, %s (off by %+.1f, %+.1f px); frame final after %.1f ms "
                        "(%zu moves), board %dx%d painted after %.1f ms, command returned after %.1f ms\n",
                        done, g.text().c_str(), inner.w, inner.h, centred ? "centred" : "NOT centred", dx, dy,
                        geometryAt - t0, moves.size(), boardSize.width(), boardSize.height(), paintedAt - t0,
                        returned - t0);
        }
    }

    // The first change to 高级 of a run can differ from the later ones (what
    // grows once stays grown), and a player sees it: it is shown apart.
    std::printf("\nover %d cycles (target: every change at most 100 ms, ending centred):\n", opt.cycles);
    std::printf("  %-11s %10s %10s %10s   %s\n", "change", "first", "median", "slowest", "centred / failed");
    for (const Step& s : steps) {
        const std::string name = std::string(s.from) + " → " + s.to;
        const auto& v = times[name];
        if (v.empty()) {
            std::printf("  %s: no settled run (%d failed)\n", name.c_str(), failures[name]);
            continue;
        }
        const double slowest = *std::max_element(v.begin(), v.end());
        const bool met = slowest <= 100 && centredCount[name] == static_cast<int>(v.size()) && failures[name] == 0;
        std::printf("  %s %7.1f ms %7.1f ms %7.1f ms   %d of %zu centred, %d failed: target %s\n", name.c_str(), v[0],
                    median(v), slowest, centredCount[name], v.size(), failures[name], met ? "met" : "missed");
    }
    return failed ? 1 : 0;
}
