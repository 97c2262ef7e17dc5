#include "phase.h"

namespace mepo {

void onDeal(Phase& p) {
    p.option = false;
    p.pause = true;
    p.fail = true;
    p.timer1 = true;
}

void onPause(Phase& p) {
    p.timer1 = false;
    p.pause = false;
    p.reDo = true;
}

void onContinue(Phase& p) {
    p.timer1 = true;
    p.reDo = false;
    p.pause = true;
}

void onGiveUp(Phase& p, Clock& c) {
    p.timer1 = true;
    c.timeLeft = 1;
    p.pause = false;
    p.reDo = false;
    p.fail = false;
    c.gaveUp = 1;
}

void onTimeOut(Phase& p) {
    p.timer1 = false;
    p.option = true;
}

void onLevelWon(Phase& p) { p.timer1 = false; }

}  // namespace mepo
