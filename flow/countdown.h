// The 180-second clock of a game: one tick a second lowers the remaining
// time; the tick that brings it below 1 ends the game.
#pragma once

#include <string>

#include "game/state.h"

namespace mepo {

struct TickOutcome {
    bool timedOut = false;  // the game ends on this tick
    bool announce = false;  // ... with the time-out message (not after a give-up)
};

// Lowers the remaining time by one second and tells whether the game ends.
TickOutcome countdownTick(GameState& s);

// The end of a game: play returns to level 1 (the grid keeps its tiles).
void endGame(GameState& s);

// Width of the time bar, in twips: the remaining share of 7215 twips scaled
// by the window's outer width against its design width. A negative remaining
// time (continuing a finished game) gives an empty bar.
double timeBarWidth(const GameState& s, double outerWidth);

// "剩余时间:<n>秒", never below 0 seconds.
std::string timeCaption(const GameState& s);

// "对不起，时间到了!你的最后" followed by the score label's caption.
std::string timeOutMessage(const std::string& scoreCaption);

inline constexpr double kTimeBarDesignWidth = 7215;

}  // namespace mepo
