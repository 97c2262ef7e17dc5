// The monkey, without a window: a seeded stream of random events handed to
// the session as the window would hand them (presses and releases anywhere
// with any button, many on pairs that link; every menu command while it is
// enabled; the clocks' ticks, also while a message box is open; keys on the
// board; the focus and the pointer coming and going), with what must always
// hold checked after every event. What each command does is for the tests
// of that command; the window's own monkey (tests/ui) looks at the pixels.
//
// A seed replays the same run:
//   MEPO_MONKEY_SEED=<seed> MEPO_MONKEY_EVENTS=<events> build/default/tests/test_session --gtest_filter='*Monkey*'
// A failure prints the seed, the event's number and the events before it.
// Every run ends by printing its figures.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "fake_front.h"
#include "game/connect.h"
#include "game/match.h"
#include "game/test_helpers.h"
#include "session/texts.h"
#include "support/monkey_log.h"

namespace mepo {

namespace {

#ifdef MEPO_SANITIZED_BUILD
constexpr unsigned long long kDefaultEvents = 20000;  // the same run, shorter: a sanitized build is slower
#else
constexpr unsigned long long kDefaultEvents = 200000;
#endif

std::string str(Cell c) { return "(" + std::to_string(c.col) + "," + std::to_string(c.row) + ")"; }

bool inPlay(const GameState& s, Cell c) { return c.col >= 1 && c.col <= s.cols && c.row >= 1 && c.row <= s.rows; }

struct Figures {
    unsigned long long events = 0, deals = 0, links = 0, refusals = 0, levelsWon = 0, timeOuts = 0, giveUps = 0;
    unsigned long long boxes = 0, keys = 0, ticks = 0, dueInBoxes = 0;
};

class Monkey {
public:
    Monkey(unsigned long long seed, unsigned long long events)
        : seed_(seed), events_(events), log_(seed, "test_session", 30), played_(static_cast<unsigned>(seed)) {}

    void run() {
        const auto started = std::chrono::steady_clock::now();
        front().remember = false;
        front().whileOpen = [this] { whileBoxOpen(); };
        for (log_.index = 1; log_.index <= events_ && !log_.failed(); ++log_.index) {
            ++figures_.events;
            const Before b = before();
            step();
            if (!log_.failed()) judge(b);
            if (!log_.failed()) checkAll();
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        const Figures& f = figures_;
        std::printf(
            "monkey without a window: seed %llu, %llu events in %.1f s: %llu deals, %llu links, %llu refused pairs, "
            "%llu levels won, %llu time-outs, %llu give-ups, %llu message boxes, %llu keys, %llu ticks run, %llu ticks "
            "fell due while a box was open\n",
            seed_, f.events, seconds, f.deals, f.links, f.refusals, f.levelsWon, f.timeOuts, f.giveUps, f.boxes, f.keys,
            f.ticks, f.dueInBoxes);
        std::fflush(stdout);
    }

private:
    test::FakeFront& front() { return played_.front; }
    Session& session() { return played_.session; }
    const GameState& st() { return played_.st(); }

    unsigned below(unsigned n) { return log_.below(n); }
    bool chance(unsigned percent) { return log_.chance(percent); }
    int between(int lo, int hi) { return log_.between(lo, hi); }
    void note(const std::string& what) { log_.note(what); }
    void fail(const std::string& what) { log_.fail(what); }
    void expect(bool ok, const std::string& what) { log_.expect(ok, what); }

    // ---- What an event did ----
    struct Before {
        GameState st;
        Clock clock;
        size_t messages;
        std::string scoreCaption;
    };
    Before before() { return {st(), session().clock(), front().messages.size(), session().scoreCaption()}; }

    void judge(const Before& b) {
        const GameState& s = st();
        const std::vector<std::string> shown(front().messages.begin() + static_cast<long>(b.messages),
                                             front().messages.end());
        for (const std::string& m : shown) {
            ++figures_.boxes;
            if (m == kLevelWonText) ++figures_.levelsWon;
        }
        // Links: both tiles leave the grid at once, along a path of empty cells.
        if (s.pending.size() > b.st.pending.size() && s.pending.size() == b.st.pending.size() + 1 && s.level == b.st.level) {
            ++figures_.links;
            const Link& l = s.pending.back();
            for (Cell c : visitedCells(l.points))
                if (!(c == l.points.front() || c == l.points.back()) && b.st.board(c.col, c.row) != 0)
                    return fail("the link runs through the tile at " + str(c));
            const Cell a = l.points.front(), z = l.points.back();
            if (b.st.board(a.col, a.row) != l.code || b.st.board(z.col, z.row) != l.code || a == z)
                return fail("a link of other tiles than a pair");
            model_.codes[l.code] -= 2;
            if (model_.codes[l.code] == 0) model_.codes.erase(l.code);
            model_.worth += linkScore(l.points);
        } else if (b.st.picked != kFalse && s.picked == kFalse && front().deals == dealsSeen_) {
            ++figures_.refusals;
            expect(s.cells == b.st.cells, "a refused pair changed the grid");
        }
        // The score grows only by what the links erased are worth.
        if (s.score != b.st.score) {
            int64_t due = 0;
            for (const Link& l : b.st.pending) due += linkScore(l.points);
            expect(s.score == b.st.score + due, "the score grew by " + std::to_string(s.score - b.st.score) +
                                                    ", the waiting links were worth " + std::to_string(due));
            expect(session().scoreCaption() == scoreCaption(s.score), "the score label after an erase");
        }
        // A new deal: the codes of its level, each rows times, nothing beyond.
        if (front().deals > dealsSeen_) {
            dealsSeen_ = front().deals;
            dealt();
        }
        if (session().clock().timeLeft < 1 && b.clock.timeLeft >= 1 && !session().timerOn(TimerId::Timer1)) {
            // A time-out: announced unless given up.
            ++figures_.timeOuts;
            const bool announced = std::any_of(shown.begin(), shown.end(), [](const std::string& m) {
                return m.rfind("对不起，时间到了!你的最后", 0) == 0;
            });
            expect(announced == (b.clock.gaveUp != 1), "the time-out message was wrong for the give-up");
        }
    }

    void dealt() {
        ++figures_.deals;
        const GameState& s = st();
        model_.codes.clear();
        for (int c = 0; c < kGridCols; ++c)
            for (int r = 0; r < kGridRows; ++r) {
                const int code = s.board(c, r);
                if (code == 0) continue;
                if (!inPlay(s, {c, r})) return fail("a tile outside the play area after a deal at " + str({c, r}));
                ++model_.codes[code];
            }
        model_.dealtCols = s.cols;
        model_.dealtRows = s.rows;
        // The last links of a level won were erased before the deal; this
        // deal's own tiles are all here.
        for (auto [code, n] : model_.codes)
            if (n != s.rows) return fail("code " + std::to_string(code) + " dealt " + std::to_string(n) + " times");
        expect(model_.codes.size() == static_cast<size_t>(s.cols), "kinds dealt");
        const int first = (s.level - 1) * 10 + 1;
        expect(model_.codes.begin()->first == first, "the codes of the level");
    }

    // ---- What must always hold ----
    void checkAll() {
        const GameState& s = st();
        if (model_.dealtCols == 0) return;
        std::map<int, int> codes;
        for (int c = 0; c < kGridCols; ++c)
            for (int r = 0; r < kGridRows; ++r) {
                const int code = s.board(c, r);
                if (code == 0) continue;
                ++codes[code];
                if (c < 1 || r < 1 || c > model_.dealtCols || r > model_.dealtRows)
                    return fail("a tile outside the dealt area at " + str({c, r}));
            }
        if (codes != model_.codes) return fail("the grid holds other tiles than were dealt and not linked");
        if (s.picked != kFalse) {
            const Cell p{s.pick(1, 1), s.pick(1, 2)};
            expect(s.board(p.col, p.row) != 0 && s.board(p.col, p.row) == s.pick(1, 0),
                   "the selected tile " + str(p) + " is not on the board with its code");
        }
        // The phase, as the front shows it.
        const Phase& ph = session().phase();
        expect(front().enabled[Part::pause] == ph.pause && front().enabled[Part::reDo] == ph.reDo &&
                   front().enabled[Part::Fail] == ph.fail && front().enabled[Part::meuOption] == ph.option,
               "the menus do not show the phase");
        for (TimerId t : {TimerId::Timer1, TimerId::Timer2})
            expect(front().timers[t] == session().timerOn(t), "a timer runs otherwise than the session says");
        expect(ph.timer1 == session().timerOn(TimerId::Timer1), "the countdown runs otherwise than the phase");
        expect(session().timerOn(TimerId::Timer2) == !s.pending.empty(), "the erase clock runs without a link waiting");
        // The cursor, on the tiles' area.
        const Cell c = session().cursor();
        expect(c.col >= 1 && c.row >= 1 && c.col <= std::max<int>(1, s.cols) && c.row <= std::max<int>(1, s.rows),
               "the cursor " + str(c) + " left the grid");
        expect(!session().cursorShown() || (focused_ && !session().blank()), "the outline shows without the focus");
        expect(!session().busy(), "a handler still runs between events");
    }

    // ---- The events ----
    float twips(int px) { return static_cast<float>(px * 15 + between(0, 14)); }
    void pressRelease(int x, int y, int x2, int y2) {
        const int b = between(1, 4);
        note("press " + std::to_string(x) + "," + std::to_string(y) + " release " + std::to_string(x2) + "," +
             std::to_string(y2));
        session().pointerUsed();
        session().press(b, 0, twips(x), twips(y));
        session().release(b, 0, twips(x2), twips(y2));
    }
    void clickCell(Cell c) {
        const int x = c.col * 34 + between(0, 33), y = c.row * 34 + between(0, 33);
        pressRelease(x, y, x, y);
    }

    bool clickPair() {
        const GameState& s = st();
        std::vector<Cell> tiles;
        for (int c = 1; c <= s.cols; ++c)
            for (int r = 1; r <= s.rows; ++r)
                if (s.board(c, r) != 0) tiles.push_back({c, r});
        if (tiles.size() < 2 || noPairIn_ == s.cells) return false;
        const size_t start = below(static_cast<unsigned>(tiles.size()));
        for (size_t i = 0; i < tiles.size(); ++i) {
            const Cell a = tiles[(start + i) % tiles.size()];
            for (const Cell b : tiles) {
                if (b == a || s.board(b.col, b.row) != s.board(a.col, a.row)) continue;
                GameState probe = s;
                test::setPicks(probe, a, b);
                if (!connect(probe)) continue;
                note("pair " + str(a) + " and " + str(b));
                if (s.picked != kFalse) clickCell({s.pick(1, 1), s.pick(1, 2)});  // unpick first
                clickCell(a);
                clickCell(b);
                return true;
            }
        }
        noPairIn_ = s.cells;
        return false;
    }

    bool command(Part item, Part menu = Part::start) {
        const bool on = item == Part::start || item == Part::help || item == Part::ab || item == Part::exit ||
                        item == Part::meuVisitMyWeb || item == Part::meuMailtoMe || item == Part::meuWheretoBuy
                            ? true
                            : front().enabled[item];
        if (!on || (menu == Part::meuOption && !front().enabled[Part::meuOption])) return false;
        if (item == Part::Fail) ++figures_.giveUps;
        note("menu " + std::to_string(static_cast<int>(item)));
        session().click(item);
        return true;
    }

    bool key() {
        static const char* const names[] = {"Left", "Right", "Up", "Down", "Home", "End", "space", "Return",
                                            "Enter", "n", "p", "t", "r", "c", "a", "l", "x", "F10"};
        const char* k = names[below(std::size(names))];
        note(std::string("key ") + k);
        ++figures_.keys;
        if (!session().key(k, chance(5))) session().keyboardUsed();
        return true;
    }

    bool tick(TimerId t, int times = 1) {
        if (!session().timerOn(t)) return false;
        note(std::string(t == TimerId::Timer1 ? "Timer1" : "Timer2") + " x" + std::to_string(times));
        for (int i = 0; i < times && session().timerOn(t); ++i) {
            ++figures_.ticks;
            session().tick(t);
        }
        return true;
    }

    void whileBoxOpen() {
        note("  box: " + front().messages.back().substr(0, 12));
        expect(session().busy(), "a box opened outside a handler");
        if (chance(40) && session().timerOn(TimerId::Timer1)) {
            const int n = between(1, 3);
            for (int i = 0; i < n; ++i) session().tick(TimerId::Timer1);
            figures_.dueInBoxes += static_cast<unsigned long long>(n);
        }
        if (chance(40) && session().timerOn(TimerId::Timer2)) {
            session().tick(TimerId::Timer2);
            ++figures_.dueInBoxes;
        }
        if (chance(20)) key();  // the box takes the keys
    }

    void step() {
        for (;;) {
            const unsigned r = below(1000);
            bool done = false;
            if (r < 300) done = clickPair();
            else if (r < 360) {
                if (st().cols > 0) clickCell({between(0, st().cols + 1), between(0, st().rows + 1)});
                done = true;
            } else if (r < 400) {
                pressRelease(between(-40, 900), between(-40, 560), between(-40, 900), between(-40, 560));
                done = true;
            } else if (r < 540) done = tick(TimerId::Timer1);
            else if (r < 550) done = tick(TimerId::Timer1, chance(20) ? between(100, 180) : between(5, 40));
            else if (r < 640) done = tick(TimerId::Timer2);
            else if (r < 700) done = chance(model_.dealtCols ? 5 : 60) && command(Part::start);
            else if (r < 712) done = command(Part::pause);
            else if (r < 724) done = command(Part::reDo);
            else if (r < 730) done = chance(1) && command(Part::Fail);
            else if (r < 750) {
                const Part items[] = {Part::meuBase, Part::meuMiddle, Part::meuHigh};
                done = command(items[below(3)], Part::meuOption);
            } else if (r < 755) done = command(chance(50) ? Part::help : Part::ab);
            else if (r < 760) {
                const Part items[] = {Part::meuVisitMyWeb, Part::meuMailtoMe, Part::meuWheretoBuy};
                done = command(items[below(3)]);
            } else if (r < 920) done = key();
            else if (r < 950) {
                focused_ = !focused_;
                note(focused_ ? "board focused" : "board unfocused");
                session().boardFocus(focused_);
                done = true;
            } else {
                note("pointer used");
                session().pointerUsed();
                done = true;
            }
            if (done) return;
        }
    }

    struct Model {
        std::map<int, int> codes;
        int dealtCols = 0, dealtRows = 0;
        int64_t worth = 0;
    };

    const unsigned long long seed_, events_;
    test::MonkeyLog log_;
    test::Played played_;
    bool focused_ = false;
    int dealsSeen_ = 0;
    Model model_;
    Figures figures_;
    std::array<int16_t, kGridCols * kGridRows> noPairIn_{};
};

}  // namespace

TEST(SessionMonkey, PlaysByTheRules) {
    Monkey monkey(test::monkeyParameter("MEPO_MONKEY_SEED", 1),
                  test::monkeyParameter("MEPO_MONKEY_EVENTS", kDefaultEvents));
    monkey.run();
}

}  // namespace mepo
