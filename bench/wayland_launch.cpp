// Starts a program on a Wayland compositor (WAYLAND_DISPLAY) and tells how
// long it took until its first top-level window got its first picture, and
// how much memory the program had used at its peak a while after that. Then
// it ends the program.
//
//   mepo_wayland_launch [--settle SECONDS] [--timeout SECONDS] -- PROGRAM [ARGS...]
//
// Prints one line of key=value pairs:
//   map_ms=152.3 hwm_kib=40960 rss_kib=40100 surface=12
// map_ms: from just before the program is forked to the moment this program
// reads, in the client's own protocol log (WAYLAND_DEBUG=client, on its
// standard error), the first commit of a buffer to the surface of an
// xdg_toplevel: the first picture of a window handed to the compositor.
// Reading the log is all the program's output costs it; the reference and
// the game pay the same.
// hwm_kib, rss_kib: VmHWM and VmRSS of /proc/PID/status, read SECONDS
// (default 1.5) after that, once the first paint is done.
// On failure the line holds error=... and the exit status is not 0.
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <regex>
#include <set>
#include <string>

#include "measure.h"

using namespace mepo::bench;

namespace {

// Follows the client's protocol log: which wl_surface each xdg_surface
// stands for, which surfaces are toplevels' (a window the program never
// draws, such as the game's question about title bars, is one too), and
// whether a buffer was attached to one of them before it was committed.
class ProtocolLog {
public:
    // True once a toplevel's surface has committed a buffer.
    bool read(const std::string& line) {
        std::smatch m;
        if (std::regex_search(line, m, xdgSurface_)) {
            surfaceOf_[m[1]] = m[2];
        } else if (std::regex_search(line, m, toplevel_)) {
            toplevels_.insert(surfaceOf_[m[1]]);
        } else if (std::regex_search(line, m, destroyed_)) {
            toplevels_.erase(m[1]);
            attached_.erase(m[1]);
        } else if (std::regex_search(line, m, attach_) && toplevels_.count(m[1])) {
            attached_.insert(m[1]);
        } else if (std::regex_search(line, m, commit_) && attached_.count(m[1])) {
            shown_ = m[1];
            return true;
        }
        return false;
    }
    const std::string& surface() const { return shown_; }

private:
    const std::regex xdgSurface_{R"(-> xdg_wm_base@\d+\.get_xdg_surface\(new id xdg_surface@(\d+), wl_surface@(\d+)\))"};
    const std::regex toplevel_{R"(-> xdg_surface@(\d+)\.get_toplevel\()"};
    const std::regex destroyed_{R"(-> wl_surface@(\d+)\.destroy\(\))"};
    const std::regex attach_{R"(-> wl_surface@(\d+)\.attach\(wl_buffer@)"};
    const std::regex commit_{R"(-> wl_surface@(\d+)\.commit\(\))"};
    std::map<std::string, std::string> surfaceOf_;
    std::set<std::string> toplevels_, attached_;
    std::string shown_;
};

}  // namespace

int main(int argc, char** argv) {
    LaunchArgs args;
    if (!parseLaunchArgs(argc, argv, 20, nullptr, args)) return 2;
    if (!std::getenv("WAYLAND_DISPLAY")) return fail("no-wayland-display");

    int log[2];
    if (pipe(log) != 0) return fail("pipe");
    const double t0 = nowMs();
    const pid_t pid = fork();
    if (pid < 0) return fail("fork");
    if (pid == 0) {
        const int null = open("/dev/null", O_RDWR);
        dup2(null, STDIN_FILENO);
        dup2(null, STDOUT_FILENO);
        dup2(log[1], STDERR_FILENO);
        close(log[0]);
        setenv("WAYLAND_DEBUG", "client", 1);
        unsetenv("DISPLAY");  // Qt's own choice on a Wayland desktop, without X to fall back on
        execvp(args.program[0], args.program);
        _exit(127);
    }
    close(log[1]);
    fcntl(log[0], F_SETFL, O_NONBLOCK);

    ProtocolLog protocol;
    std::string pending;
    double shownAt = 0;
    // Reads what the log holds now; true once the first picture is in it.
    auto drain = [&](bool watch) {
        char buf[65536];
        for (ssize_t n; (n = read(log[0], buf, sizeof buf)) > 0;) {
            if (!watch) continue;
            pending.append(buf, static_cast<size_t>(n));
            for (size_t eol; (eol = pending.find('\n')) != std::string::npos; pending.erase(0, eol + 1))
                if (protocol.read(pending.substr(0, eol))) return true;
        }
        return false;
    };
    for (;;) {
        const double left = t0 + args.timeoutS * 1e3 - nowMs();
        if (left <= 0) return fail("timeout", pid);
        pollfd p{log[0], POLLIN, 0};
        poll(&p, 1, std::min(static_cast<int>(left) + 1, 50));
        if (drain(true)) {
            shownAt = nowMs();
            break;
        }
        if (exited(pid)) return fail("exited-before-showing");
    }

    // Let the program paint, then read its peak memory; its log keeps flowing.
    for (double left; (left = shownAt + args.settleS * 1e3 - nowMs()) > 0;) {
        if (exited(pid)) return fail("exited-while-settling");
        pollfd p{log[0], POLLIN, 0};
        poll(&p, 1, static_cast<int>(left) + 1);
        drain(false);
    }
    const long hwm = statusKib(pid, "VmHWM");
    const long rss = statusKib(pid, "VmRSS");
    endProgram(pid);
    if (hwm < 0) return fail("no-memory-figures");
    std::printf("map_ms=%.1f hwm_kib=%ld rss_kib=%ld surface=%s\n", shownAt - t0, hwm, rss,
                protocol.surface().c_str());
    return 0;
}
