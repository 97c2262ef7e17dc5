// The clock of a game: the seconds it allows, and one tick a second that
// lowers the remaining time; the tick that brings it below 1 ends the game.
#pragma once

#include <cstdint>
#include <string>

#include "game/state.h"

namespace mepo {

// Seconds a game allows, at every level and difficulty.
inline constexpr int kSecondsPerGame = 180;

struct Clock {
    int16_t timeTotal = 0;  // seconds allowed for the current game (0 before the first)
    int16_t timeLeft = 0;   // seconds remaining
    int16_t gaveUp = 0;     // 1 once the player has given up, for the rest of the run
    // A game without a clock (chosen when the game starts, for players who
    // need the time): its ticks count nothing down, but a give-up still
    // ends it at the next tick.
    bool unlimited = false;
};

// Seconds for a game without a clock, as startClock takes them.
inline constexpr int kNoClock = 0;
// The longest clock a game can have.
inline constexpr int kLongestClock = 32767;

// A deal: the full time again (kNoClock: no clock at all).
void startClock(Clock& c, int seconds = kSecondsPerGame);

struct TickOutcome {
    bool timedOut = false;  // the game ends on this tick
    bool announce = false;  // ... with the time-out message (not after a give-up)
};

// Lowers the remaining time by one second and tells whether the game ends.
TickOutcome countdownTick(Clock& c);

// The end of a game: play returns to level 1 (the grid keeps its tiles).
void endGame(GameState& s);

// The share of the game's time still left, for the time bar: 0 to 1, never
// below nothing (continuing a finished game), and the whole bar before the
// first game.
double timeShare(const Clock& c);

// "剩余时间:<n>秒", never below 0 seconds; "剩余时间:不限" without a clock.
std::string timeCaption(const Clock& c);

// "对不起，时间到了!你的最后" followed by the score label's caption.
std::string timeOutMessage(const std::string& scoreCaption);

}  // namespace mepo
