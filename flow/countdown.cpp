#include "countdown.h"

#include <algorithm>

namespace mepo {

void startClock(Clock& c, int seconds) {
    // Without a clock the time stands at a whole game's, and stays there.
    c.unlimited = seconds == kNoClock;
    const int total = c.unlimited ? kSecondsPerGame : std::clamp(seconds, 1, kLongestClock);
    c.timeTotal = static_cast<int16_t>(total);
    c.timeLeft = static_cast<int16_t>(total);
}

TickOutcome countdownTick(Clock& c) {
    // A give-up leaves one second, which runs out even without a clock.
    if (c.unlimited && c.timeLeft > 1) return {};
    c.timeLeft = static_cast<int16_t>(c.timeLeft - 1);
    TickOutcome out;
    out.timedOut = c.timeLeft < 1;
    out.announce = out.timedOut && c.gaveUp != 1;
    return out;
}

void endGame(GameState& s) { s.level = 1; }

double timeShare(const Clock& c) {
    if (c.timeTotal <= 0) return 1;
    return static_cast<double>(std::max<int>(c.timeLeft, 0)) / c.timeTotal;
}

std::string timeCaption(const Clock& c) {
    if (c.unlimited && c.timeLeft > 1) return "剩余时间:不限";
    return "剩余时间:" + std::to_string(std::max<int>(c.timeLeft, 0)) + "秒";
}

std::string timeOutMessage(const std::string& scoreCaption) { return "对不起，时间到了!你的最后" + scoreCaption; }

}  // namespace mepo
