// The game as a player meets it, whatever shows it: the rules' state, the
// clock, the phase of the game and the difficulty, the keyboard's cursor on
// the board and the words for a screen reader. Its handlers carry the names
// of the controls and events they answer and run their steps in order; it
// shows everything through its front (front.h), which the window is.
//
// Plain C++: a whole game plays in a test, its message boxes answered and
// its timers ticked by the test.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "flow/countdown.h"
#include "flow/difficulty.h"
#include "flow/phase.h"
#include "front.h"
#include "game/random.h"
#include "game/selection.h"
#include "game/state.h"
#include "handler_gate.h"

namespace mepo {

// What a session is started with.
struct SessionSetup {
    // The seed of the game's random source, asked once, at load: the
    // seconds of the time of day.
    std::function<unsigned()> seed = secondsOfTimeOfDay;
    // Seconds a game allows (kNoClock: a game without a clock).
    int secondsPerGame = kSecondsPerGame;
};

class Session {
public:
    using Setup = SessionSetup;
    explicit Session(Front& front, Setup setup = Setup());
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // ---- Events, as the window hands them on ----
    // Each runs as a handler of its own, through the gate: one that comes
    // while another runs (under its message box) waits until it has finished.
    void click(Part item);  // a menu item
    void press(int button, int shift, float x, float y);    // on the board, in twips
    void release(int button, int shift, float x, float y);
    // A tick of a timer. One that falls due while a handler runs waits for
    // it; several such ticks of one timer make one, and none comes if the
    // timer was stopped or started afresh meanwhile.
    void tick(TimerId t);
    // A key on the board, named as toolkit/key_names.h names it ("Left",
    // "space", "n", ...), without Control, Alt or Meta. True if it is the
    // board's key (then taken, even when it does nothing just now).
    bool key(std::string_view name, bool autoRepeat = false);
    // The board took or lost the keyboard focus; the keyboard or the pointer
    // was used, anywhere in the game. They decide whether the cursor's
    // outline shows.
    void boardFocus(bool focused);
    void keyboardUsed();
    void pointerUsed();
    // The window is closing (its close button, or 退出): the timers stop.
    void closing();

    // ---- Handlers ----
    void Form_Load();
    void start_Click(int index);  // the start item, index 101
    void Picture1_MouseDown(int button, int shift, float x, float y);
    void Picture1_MouseUp(int button, int shift, float x, float y);
    void Timer2_Timer();
    void guoguan();  // "过关", the level passed: the next level when the play area is empty
    void Timer1_Timer();
    void pause_Click();
    void reDo_Click();
    void Fail_Click();
    void meuBase_Click();
    void meuMiddle_Click();
    void meuHigh_Click();
    void uncheckDifficulty();
    void help_Click(int index);
    void ab_Click(int index);
    void meuVisitMyWeb_Click();
    void meuMailtoMe_Click();
    void meuWheretoBuy_Click();
    void exit_Click(int index);

    // ---- What it holds ----
    const GameState& state() const { return st_; }
    // The rules' state, to set by hand: a test's board, a tool's position.
    GameState& arrange() { return st_; }
    const Clock& clock() const { return clock_; }
    const Phase& phase() const { return phase_; }
    Difficulty difficulty() const { return difficulty_; }
    bool timerOn(TimerId t) const { return timers_[index(t)].on; }
    // The board takes presses and keys (from the first deal on).
    bool boardEnabled() const { return boardOn_; }
    // The score label's caption: "得分:0" until the first scored cell.
    const std::string& scoreCaption() const { return scoreCaption_; }
    // The keyboard's cursor: a cell of the tiles' area, never the ring.
    Cell cursor() const { return cursor_; }
    // Its outline shows while the board has the focus and the keyboard was
    // used last, and the board is not blank.
    bool cursorShown() const { return shown_; }
    // After a time-out the board is blank for the keyboard and the reader
    // until the next deal: no outline, every cell reads empty, the cursor's
    // keys do nothing (the mouse keeps the rules' behaviour).
    bool blank() const { return blank_; }
    // True while one of its handlers runs (a message box is open).
    bool busy() const { return gate_.running(); }
    // The rule that handlers never interrupt one another, which the window
    // keeps for its own handlers too.
    HandlerGate& gate() { return gate_; }

private:
    struct Timer {
        bool on = false;
        bool held = false;   // a tick waits for the running handler
        unsigned rhythm = 0; // counts stops and restarts: a held tick from before one is stale
    };
    static size_t index(TimerId t) { return t == TimerId::Timer1 ? 0 : 1; }

    void applyPhase();
    void setTimer(TimerId t, bool on);
    void restartTimer(TimerId t);
    void runTick(TimerId t);
    void chooseDifficulty(Difficulty d, Part item);
    void setScoreCaption(std::string caption);
    // A press and a release on a cell, as the mouse's and the keyboard's.
    void pressOn(int col, int row);
    void releaseOn(int col, int row);
    // What the board's readers are told of a release.
    void tellRelease(const ReleaseOutcome& outcome, Cell first, Cell at);
    // L on the cursor's tile: the pair with the next tile of its picture.
    void tryNext(Cell at);
    // The cursor.
    void moveCursor(Cell c);
    void updateShown();

    Front& front_;
    const Setup setup_;
    HandlerGate gate_;
    GameState st_;
    Clock clock_;
    Phase phase_;
    Difficulty difficulty_ = Difficulty::Base;
    SeededRandom rng_;
    std::array<Timer, 2> timers_{};
    bool boardOn_ = false;
    std::string scoreCaption_ = "得分:0";

    Cell cursor_{1, 1};
    bool focused_ = false;       // the board holds the keyboard focus
    bool keyboardLast_ = false;  // a key was pressed after the last press of the pointer
    bool shown_ = false;
    bool blank_ = false;
    // The pair L tried last (from the cursor's tile, to the other), and
    // the other tile of a try under way.
    struct Tried {
        Cell from, to;
    } tried_{};
    std::optional<Cell> trying_;
};

}  // namespace mepo
