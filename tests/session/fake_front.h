// A stand-in for the window: it remembers what the session asked of it,
// answers its message boxes (running whileOpen first, as a player may wait
// while the clocks fall due), and draws nothing.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "session/front.h"
#include "session/session.h"

namespace mepo::test {

class FakeFront : public Front {
public:
    std::map<Part, std::string> captions;
    std::map<Part, bool> enabled, checked;
    std::map<TimerId, bool> timers;
    std::vector<std::string> messages, words, urls, drawn;
    std::vector<BoardNews> news;
    std::vector<Cell> erased;
    double barShare = 1;
    int closes = 0, deals = 0;
    std::function<void()> whileOpen;
    // Whether the drawing, the words and the news are kept (a long run of
    // the monkey keeps only what it counts).
    bool remember = true;

    void drawTiles(const GameState&) override {
        ++deals;
        keep(drawn, "tiles");
    }
    void frameCell(Cell c, bool sunken) override {
        if (remember)
            drawn.push_back(std::string(sunken ? "sunken " : "raised ") + std::to_string(c.col) + "," +
                            std::to_string(c.row));
    }
    void drawLink(const std::vector<Cell>& points) override { keep(drawn, "link of " + std::to_string(points.size())); }
    void eraseCell(Cell c) override { keep(erased, c); }
    void clearBoard() override { keep(drawn, "clear"); }
    void stripeTimeBar() override { keep(drawn, "stripes"); }
    void showTimeLeft(double share) override { barShare = share; }
    void caption(Part p, const std::string& text) override { captions[p] = text; }
    void enable(Part p, bool on) override { enabled[p] = on; }
    void check(Part p, bool on) override { checked[p] = on; }
    void centre(Part) override {}
    void sizeWindow(double w, double) override { sizes.push_back(w); }
    void timer(TimerId t, bool on) override { timers[t] = on; }
    void restartTimer(TimerId t) override { timers[t] = true; }
    void message(const std::string& text) override {
        messages.push_back(text);
        if (whileOpen) whileOpen();
    }
    void say(const std::string& w) override { keep(words, w); }
    void board(BoardNews what, Cell, Cell) override { keep(news, what); }
    void openUrl(const std::string& address) override { urls.push_back(address); }
    void close() override { ++closes; }

    std::vector<double> sizes;

private:
    template <typename T, typename V>
    void keep(std::vector<T>& list, V value) {
        if (remember) list.push_back(std::move(value));
    }
};

// A session on a fake front, loaded and seeded as the window does it.
struct Played {
    explicit Played(unsigned seed = 17, int seconds = kSecondsPerGame)
        : session(front, SessionSetup{[seed] { return seed; }, seconds}) {
        session.Form_Load();
    }
    FakeFront front;
    Session session;
    const GameState& st() const { return session.state(); }
};

}  // namespace mepo::test
