// The session's events and its timers: every event runs as a handler of its
// own through the gate, and the timers' ticks keep their rule.
#include "session.h"

namespace mepo {

Session::Session(Front& front, Setup setup) : front_(front), setup_(std::move(setup)) {}

void Session::click(Part item) {
    gate_.run([this, item] {
        switch (item) {
        case Part::start: start_Click(101); break;
        case Part::pause: pause_Click(); break;
        case Part::reDo: reDo_Click(); break;
        case Part::Fail: Fail_Click(); break;
        case Part::meuBase: meuBase_Click(); break;
        case Part::meuMiddle: meuMiddle_Click(); break;
        case Part::meuHigh: meuHigh_Click(); break;
        case Part::help: help_Click(103); break;
        case Part::meuVisitMyWeb: meuVisitMyWeb_Click(); break;
        case Part::meuMailtoMe: meuMailtoMe_Click(); break;
        case Part::meuWheretoBuy: meuWheretoBuy_Click(); break;
        case Part::ab: ab_Click(201); break;
        case Part::exit: exit_Click(103); break;
        default: break;  // labels, the board and the settings menu itself take no clicks
        }
    });
}

void Session::press(int button, int shift, float x, float y) {
    gate_.run([=, this] { Picture1_MouseDown(button, shift, x, y); });
}

void Session::release(int button, int shift, float x, float y) {
    gate_.run([=, this] { Picture1_MouseUp(button, shift, x, y); });
}

void Session::tick(TimerId t) {
    Timer& timer = timers_[index(t)];
    if (!timer.on) return;  // a stopped timer never ticks
    if (!gate_.running()) {
        HandlerGate::Scope scope(gate_);
        runTick(t);
        return;
    }
    if (timer.held) return;
    timer.held = true;
    gate_.after([this, t, rhythm = timer.rhythm] {
        Timer& now = timers_[index(t)];
        if (rhythm != now.rhythm) return;
        now.held = false;
        if (now.on) runTick(t);
    });
}

void Session::runTick(TimerId t) {
    if (t == TimerId::Timer1)
        Timer1_Timer();
    else
        Timer2_Timer();
}

void Session::setTimer(TimerId t, bool on) {
    Timer& timer = timers_[index(t)];
    if (timer.on == on) return;
    ++timer.rhythm;
    timer.held = false;
    timer.on = on;
    front_.timer(t, on);
}

void Session::restartTimer(TimerId t) {
    Timer& timer = timers_[index(t)];
    ++timer.rhythm;
    timer.held = false;
    timer.on = true;
    front_.restartTimer(t);
}

void Session::closing() {
    setTimer(TimerId::Timer1, false);
    setTimer(TimerId::Timer2, false);
}

void Session::Form_Load() {
    st_.picked = kFalse;
    st_.cols = 12;
    st_.rows = 10;
    st_.level = 1;
    rng_.reseed(setup_.seed());
    // A clock chosen at the start shows in the time label from the first.
    if (setup_.secondsPerGame != kSecondsPerGame) {
        Clock chosen;
        startClock(chosen, setup_.secondsPerGame);
        front_.caption(Part::Label2, timeCaption(chosen));
    }
}

void Session::applyPhase() {
    setTimer(TimerId::Timer1, phase_.timer1);
    front_.enable(Part::pause, phase_.pause);
    front_.enable(Part::reDo, phase_.reDo);
    front_.enable(Part::Fail, phase_.fail);
    front_.enable(Part::meuOption, phase_.option);
}

void Session::setScoreCaption(std::string caption) {
    scoreCaption_ = std::move(caption);
    front_.caption(Part::Label3, scoreCaption_);
}

}  // namespace mepo
