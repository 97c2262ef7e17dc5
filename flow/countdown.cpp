#include "countdown.h"

#include <algorithm>

namespace mepo {

void startClock(Clock& c, int seconds) {
    c.timeTotal = static_cast<int16_t>(seconds);
    c.timeLeft = static_cast<int16_t>(seconds);
}

TickOutcome countdownTick(Clock& c) {
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

std::string timeCaption(const Clock& c) { return "剩余时间:" + std::to_string(std::max<int>(c.timeLeft, 0)) + "秒"; }

std::string timeOutMessage(const std::string& scoreCaption) { return "对不起，时间到了!你的最后" + scoreCaption; }

}  // namespace mepo
