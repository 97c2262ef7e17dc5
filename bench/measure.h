// What the whole-program benchmarks share: one clock, a process's memory
// figures, and, for the launchers that start a program and time its first
// window, their arguments and the end of the program they started.
#pragma once

#include <sys/types.h>

#include <string>

namespace mepo::bench {

// Milliseconds on the monotonic clock.
double nowMs();

// A figure of /proc/PID/status in KiB (VmHWM, VmRSS); pid 0 is this process.
// -1 when it cannot be read.
long statusKib(pid_t pid, const char* key);

// The launchers' command line:
//   LAUNCHER [--settle SECONDS] [--timeout SECONDS] [FLAG] -- PROGRAM [ARGS...]
// where FLAG, when the launcher has one, may stand without a program.
struct LaunchArgs {
    double settleS = 1.5;  // from the window's first showing to the memory reading
    double timeoutS = 0;   // for the window to show at all
    bool flag = false;     // the launcher's own FLAG was given
    char** program = nullptr;  // PROGRAM and its ARGS, null-terminated; null when none
};
// False (after the usage on standard error) when the line is not one of those.
bool parseLaunchArgs(int argc, char** argv, double defaultTimeoutS, const char* flag, LaunchArgs& out);

// True once the program has exited (and is reaped).
bool exited(pid_t pid);
// Ends the program: asked to, then, after three seconds, made to.
void endProgram(pid_t pid);
// Prints error=WHAT, the launchers' line on failure, and ends the program
// first where one is given. Returns the launchers' exit status, 1.
int fail(const std::string& what, pid_t pid = 0);

}  // namespace mepo::bench
