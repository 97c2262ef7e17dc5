// The phase of a game, carried by what is enabled: the countdown timer and
// the items pause ("暂停"), continue ("继续"), give up ("放弃") and the
// settings menu ("设置"). Each command changes the table below; the window
// shows it.
#pragma once

#include "countdown.h"

namespace mepo {

struct Phase {
    bool timer1 = false;  // countdown running
    bool pause = false;
    bool reDo = false;    // continue
    bool fail = false;    // give up
    bool option = true;   // settings menu
    friend bool operator==(const Phase&, const Phase&) = default;
};

void onDeal(Phase& p);      // a level is dealt: playing
void onPause(Phase& p);
void onContinue(Phase& p);
// Give up: the clock runs on to its last second, and the game then ends
// without the time-out message, now and in every later game of the run.
void onGiveUp(Phase& p, Clock& c);
void onTimeOut(Phase& p);   // the game is over: settings usable again
void onLevelWon(Phase& p);  // the clock stops until the next level is dealt

}  // namespace mepo
