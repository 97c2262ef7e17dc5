#include "start_options.h"

#include <cstdlib>

namespace mepo {

const char* const kUsage =
    "用法: mepo [--clock=秒数 | --clock=none]\n"
    "  --clock=秒数   每局的时间，1 至 32767 秒（平常为 180 秒）\n"
    "  --clock=none   不限时间：只有“放弃”结束一局\n"
    "  --help         显示本说明\n"
    "选择只对这一次有效，不会保存。\n";

namespace {

// The seconds of --clock's value, or an error.
bool readClock(const std::string& value, StartOptions& out) {
    if (value == "none") {
        out.setup.secondsPerGame = kNoClock;
        return true;
    }
    char* end = nullptr;
    const long seconds = value.empty() ? 0 : std::strtol(value.c_str(), &end, 10);
    if (value.empty() || *end != '\0' || seconds < 1 || seconds > kLongestClock) {
        out.error = "--clock 的值应为 1 至 32767 的秒数，或 none: " + value;
        return false;
    }
    out.setup.secondsPerGame = static_cast<int>(seconds);
    return true;
}

}  // namespace

StartOptions readStartOptions(const std::vector<std::string>& args) {
    StartOptions out;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            out.help = true;
        } else if (a.rfind("--clock=", 0) == 0) {
            if (!readClock(a.substr(8), out)) return out;
        } else if (a == "--clock") {
            if (i + 1 >= args.size()) {
                out.error = "--clock 需要一个值";
                return out;
            }
            if (!readClock(args[++i], out)) return out;
        }
    }
    return out;
}

}  // namespace mepo
