#include "countdown.h"

#include <algorithm>

namespace mepo {

TickOutcome countdownTick(GameState& s) {
    s.timeLeft = static_cast<int16_t>(s.timeLeft - 1);
    TickOutcome out;
    out.timedOut = s.timeLeft < 1;
    out.announce = out.timedOut && s.gaveUp != 1;
    return out;
}

void endGame(GameState& s) { s.level = 1; }

double timeBarWidth(const GameState& s, double outerWidth) {
    if (s.timeTotal <= 0 || s.designW <= 0) return 0;
    const double left = std::max<int>(s.timeLeft, 0);
    return left / s.timeTotal * kTimeBarDesignWidth * (outerWidth / s.designW);
}

std::string timeCaption(const GameState& s) {
    return "剩余时间:" + std::to_string(std::max<int>(s.timeLeft, 0)) + "秒";
}

std::string timeOutMessage(const std::string& scoreCaption) {
    return "对不起，时间到了!你的最后" + scoreCaption;
}

}  // namespace mepo
