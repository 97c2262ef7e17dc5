// The clock and the game's phases: countdown, time-out, pause, continue,
// give up, and the difficulty commands.
#include "board_view.h"
#include "flow/countdown.h"
#include "form1.h"

namespace mepo {

void Form1::applyPhase() {
    Timer1.setEnabled(phase.timer1);
    pause.setEnabled(phase.pause);
    reDo.setEnabled(phase.reDo);
    Fail.setEnabled(phase.fail);
    meuOption.setEnabled(phase.option);
}

void Form1::Timer1_Timer() {
    const TickOutcome out = countdownTick(st);
    if (out.timedOut) {
        // Ticks that fall due while the message is open wait for this
        // handler, which stops the clock: they never come.
        if (out.announce) message(timeOutMessage(Label3->caption()));
        Picture1->clearPicture();
        boardView->timedOut();
        onTimeOut(phase);
        applyPhase();
        endGame(st);
    }
    Picture3->set(Prop::Width, timeBarWidth(st, outerWidth()));
    Label2->setCaption(timeCaption(st));
}

void Form1::pause_Click() {
    onPause(phase);
    applyPhase();
}

void Form1::reDo_Click() {
    onContinue(phase);
    applyPhase();
}

void Form1::Fail_Click() {
    onGiveUp(phase, st);
    applyPhase();
}

void Form1::uncheckDifficulty() {
    meuBase.setChecked(false);
    meuMiddle.setChecked(false);
    meuHigh.setChecked(false);
}

void Form1::chooseDifficulty(Difficulty d, MenuItem& item) {
    const DifficultySize size = difficultySize(d);
    st.sizing = 1;
    setOuterWidth(size.width);   // laid out and centred before it returns
    setOuterHeight(size.height);
    st.cols = size.cols;
    st.rows = size.rows;
    boardView->gridChanged();
    uncheckDifficulty();
    item.setChecked(true);
    st.sizing = 0;
}

void Form1::meuBase_Click() { chooseDifficulty(Difficulty::Base, meuBase); }
void Form1::meuMiddle_Click() { chooseDifficulty(Difficulty::Middle, meuMiddle); }
void Form1::meuHigh_Click() { chooseDifficulty(Difficulty::High, meuHigh); }

}  // namespace mepo
