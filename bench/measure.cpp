#include "measure.h"

#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace mepo::bench {

double nowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

long statusKib(pid_t pid, const char* key) {
    std::ifstream in(pid == 0 ? std::string("/proc/self/status") : "/proc/" + std::to_string(pid) + "/status");
    const std::string prefix = std::string(key) + ":";
    for (std::string line; std::getline(in, line);)
        if (line.rfind(prefix, 0) == 0) return std::strtol(line.c_str() + prefix.size(), nullptr, 10);
    return -1;
}

bool parseLaunchArgs(int argc, char** argv, double defaultTimeoutS, const char* flag, LaunchArgs& out) {
    auto usage = [&] {
        std::fprintf(stderr, "usage: %s [--settle S] [--timeout S] -- PROGRAM [ARGS...]\n", argv[0]);
        if (flag) std::fprintf(stderr, "       %s %s [--timeout S]\n", argv[0], flag);
        return false;
    };
    out.timeoutS = defaultTimeoutS;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--settle" && i + 1 < argc) {
            out.settleS = std::atof(argv[++i]);
        } else if (a == "--timeout" && i + 1 < argc) {
            out.timeoutS = std::atof(argv[++i]);
        } else if (flag && a == flag) {
            out.flag = true;
        } else if (a == "--" && i + 1 < argc) {
            out.program = argv + i + 1;
            return true;
        } else {
            return usage();
        }
    }
    return out.flag || usage();
}

bool exited(pid_t pid) { return waitpid(pid, nullptr, WNOHANG) == pid; }

void endProgram(pid_t pid) {
    if (exited(pid)) return;
    kill(pid, SIGTERM);
    for (const double limit = nowMs() + 3000; nowMs() < limit; usleep(10000))
        if (exited(pid)) return;
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

int fail(const std::string& what, pid_t pid) {
    if (pid > 0) endProgram(pid);
    std::printf("error=%s\n", what.c_str());
    std::fflush(stdout);
    return 1;
}

}  // namespace mepo::bench
