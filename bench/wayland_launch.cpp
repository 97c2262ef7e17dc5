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
// standard error), the first commit of a buffer to the surface of its first
// xdg_toplevel: the window's first picture handed to the compositor.
// Reading the log is all the program's output costs it; the reference and
// the game pay the same.
// hwm_kib, rss_kib: VmHWM and VmRSS of /proc/PID/status, read SECONDS
// (default 1.5) after that, once the first paint is done.
// On failure the line holds error=... and the exit status is not 0.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <regex>
#include <string>

namespace {

double nowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

long statusKib(pid_t pid, const char* field) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    long value = -1;
    for (std::string line; std::getline(in, line);)
        if (line.rfind(field, 0) == 0 && line[std::strlen(field)] == ':') {
            std::sscanf(line.c_str() + std::strlen(field) + 1, "%ld", &value);
            break;
        }
    return value;
}

void end(pid_t pid) {
    kill(pid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return;
        usleep(10000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

bool exited(pid_t pid) { return waitpid(pid, nullptr, WNOHANG) == pid; }

int fail(const char* what, pid_t pid = 0) {
    if (pid > 0) end(pid);
    std::printf("error=%s\n", what);
    return 1;
}

// Follows the client's protocol log: which wl_surface each xdg_surface
// stands for, which xdg_surface became the first toplevel, and whether a
// buffer was attached to that surface before it was committed.
class ProtocolLog {
public:
    // True once the first toplevel's surface has committed a buffer.
    bool read(const std::string& line) {
        std::smatch m;
        if (std::regex_search(line, m, xdgSurface_)) {
            surfaceOf_[m[1]] = m[2];
        } else if (toplevel_.empty() && std::regex_search(line, m, toplevel_re_)) {
            toplevel_ = surfaceOf_[m[1]];
        } else if (!toplevel_.empty() && std::regex_search(line, m, attach_) && m[1] == toplevel_) {
            attached_ = true;
        } else if (attached_ && std::regex_search(line, m, commit_) && m[1] == toplevel_) {
            return true;
        }
        return false;
    }
    const std::string& surface() const { return toplevel_; }

private:
    const std::regex xdgSurface_{R"(-> xdg_wm_base@\d+\.get_xdg_surface\(new id xdg_surface@(\d+), wl_surface@(\d+)\))"};
    const std::regex toplevel_re_{R"(-> xdg_surface@(\d+)\.get_toplevel\()"};
    const std::regex attach_{R"(-> wl_surface@(\d+)\.attach\(wl_buffer@)"};
    const std::regex commit_{R"(-> wl_surface@(\d+)\.commit\(\))"};
    std::map<std::string, std::string> surfaceOf_;
    std::string toplevel_;
    bool attached_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    double settleS = 1.5, timeoutS = 20;
    int first = argc;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--settle" && i + 1 < argc) {
            settleS = std::atof(argv[++i]);
        } else if (a == "--timeout" && i + 1 < argc) {
            timeoutS = std::atof(argv[++i]);
        } else if (a == "--") {
            first = i + 1;
            break;
        } else {
            std::fprintf(stderr, "usage: %s [--settle S] [--timeout S] -- PROGRAM [ARGS...]\n", argv[0]);
            return 2;
        }
    }
    if (first >= argc) {
        std::fprintf(stderr, "%s: no program given\n", argv[0]);
        return 2;
    }
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
        execvp(argv[first], argv + first);
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
        const double left = t0 + timeoutS * 1e3 - nowMs();
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
    for (double left; (left = shownAt + settleS * 1e3 - nowMs()) > 0;) {
        if (exited(pid)) return fail("exited-while-settling");
        pollfd p{log[0], POLLIN, 0};
        poll(&p, 1, static_cast<int>(left) + 1);
        drain(false);
    }
    const long hwm = statusKib(pid, "VmHWM");
    const long rss = statusKib(pid, "VmRSS");
    end(pid);
    if (hwm < 0) return fail("no-memory-figures");
    std::printf("map_ms=%.1f hwm_kib=%ld rss_kib=%ld surface=%s\n", shownAt - t0, hwm, rss,
                protocol.surface().c_str());
    return 0;
}
