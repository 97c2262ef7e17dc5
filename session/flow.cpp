// The clock and the game's phases: countdown, time-out, pause, continue,
// give up, and the difficulty commands.
#include <algorithm>

#include "session.h"

namespace mepo {

void Session::Timer1_Timer() {
    const TickOutcome out = countdownTick(clock_);
    if (out.timedOut) {
        // Ticks that fall due while the message is open wait for this
        // handler, which stops the clock: they never come.
        if (out.announce) front_.message(timeOutMessage(scoreCaption_));
        front_.clearBoard();
        blank_ = true;
        updateShown();
        front_.board(BoardNews::Blanked);
        onTimeOut(phase_);
        applyPhase();
        endGame(st_);
    }
    front_.showTimeLeft(timeShare(clock_));
    front_.caption(Part::Label2, timeCaption(clock_));
}

void Session::pause_Click() {
    onPause(phase_);
    applyPhase();
}

void Session::reDo_Click() {
    onContinue(phase_);
    applyPhase();
}

void Session::Fail_Click() {
    onGiveUp(phase_, clock_);
    applyPhase();
}

void Session::uncheckDifficulty() {
    front_.check(Part::meuBase, false);
    front_.check(Part::meuMiddle, false);
    front_.check(Part::meuHigh, false);
}

void Session::chooseDifficulty(Difficulty d, Part item) {
    const DifficultySize size = difficultySize(d);
    front_.sizeWindow(size.width, size.height);  // laid out and centred before it returns
    st_.cols = size.cols;
    st_.rows = size.rows;
    difficulty_ = d;
    // The cursor stays inside the new grid.
    moveCursor({std::clamp<int>(cursor_.col, 1, st_.cols), std::clamp<int>(cursor_.row, 1, st_.rows)});
    front_.board(BoardNews::Reshaped);
    uncheckDifficulty();
    front_.check(item, true);
}

void Session::meuBase_Click() { chooseDifficulty(Difficulty::Base, Part::meuBase); }
void Session::meuMiddle_Click() { chooseDifficulty(Difficulty::Middle, Part::meuMiddle); }
void Session::meuHigh_Click() { chooseDifficulty(Difficulty::High, Part::meuHigh); }

}  // namespace mepo
