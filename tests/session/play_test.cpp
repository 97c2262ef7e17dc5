// Playing through the session alone: the deal, picks, links and their
// erase, a level won, and the help menu's commands.
#include <gtest/gtest.h>

#include <map>
#include <optional>

#include "fake_front.h"
#include "game/connect.h"
#include "game/deal.h"
#include "game/match.h"
#include "game/test_helpers.h"
#include "session/words.h"

namespace mepo {

namespace {

using test::Played;

std::map<int, int> codesOnBoard(const GameState& s) {
    std::map<int, int> n;
    for (int c = 1; c <= s.cols; ++c)
        for (int r = 1; r <= s.rows; ++r)
            if (s.board(c, r) != 0) ++n[s.board(c, r)];
    return n;
}

// A press and a release on a cell, as the mouse sends them, in twips.
void click(Session& s, Cell c, int button = 1) {
    const float x = static_cast<float>(c.col * 510 + 255), y = static_cast<float>(c.row * 510 + 255);
    s.press(button, 0, x, y);
    s.release(button, 0, x, y);
}

struct Pair {
    Cell a, b;
    std::vector<Cell> path;
};

// A pair the game's own search links, first found in board order.
std::optional<Pair> linkablePair(const GameState& s) {
    for (int c1 = 1; c1 <= s.cols; ++c1)
        for (int r1 = 1; r1 <= s.rows; ++r1) {
            if (s.board(c1, r1) == 0) continue;
            for (int c2 = 1; c2 <= s.cols; ++c2)
                for (int r2 = 1; r2 <= s.rows; ++r2) {
                    if ((c1 == c2 && r1 == r2) || s.board(c2, r2) != s.board(c1, r1)) continue;
                    GameState probe = s;
                    test::setPicks(probe, {c1, r1}, {c2, r2});
                    if (connect(probe)) return Pair{{c1, r1}, {c2, r2}, pathPoints(probe)};
                }
        }
    return std::nullopt;
}

// Two equal neighbours at (1, r) and (2, r): the first deal, or the one
// after it, that has them.
Cell equalNeighbours(Played& p) {
    for (int deals = 0; deals < 100; ++deals) {
        const GameState& s = p.st();
        for (int r = 1; r <= s.rows; ++r)
            if (s.board(1, r) == s.board(2, r)) return {1, r};
        p.session.start_Click(101);
    }
    ADD_FAILURE() << "no deal with two equal neighbours";
    return {1, 1};
}

}  // namespace

TEST(SessionPlay, ADealPutsTheGameIntoPlay) {
    Played p;
    p.session.click(Part::start);
    const test::FakeFront& f = p.front;
    EXPECT_EQ(f.captions.at(Part::start), "重新开始");
    EXPECT_EQ(f.captions.at(Part::Label1), "现在是第1关");
    EXPECT_EQ(f.captions.count(Part::Label2), 0u);  // the time label waits for the first tick
    EXPECT_FALSE(f.enabled.at(Part::meuOption));
    EXPECT_TRUE(f.enabled.at(Part::pause));
    EXPECT_TRUE(f.enabled.at(Part::Fail));
    EXPECT_FALSE(f.enabled.at(Part::reDo));
    EXPECT_TRUE(f.enabled.at(Part::Picture1));
    EXPECT_TRUE(f.timers.at(TimerId::Timer1));
    EXPECT_EQ(f.drawn, (std::vector<std::string>{"tiles", "stripes"}));
    EXPECT_EQ(f.words, (std::vector<std::string>{"第1关，1行1列，" + tileName(p.st().board(1, 1))}));
    EXPECT_EQ(p.session.clock().timeLeft, 180);
    const auto codes = codesOnBoard(p.st());
    EXPECT_EQ(codes.size(), 12u);
    for (auto [code, n] : codes) EXPECT_EQ(n, 10) << code;

    // The same seed deals the same board as the rules alone.
    GameState s;
    SeededRandom random(17);
    deal(s, random);
    EXPECT_EQ(p.st().cells, s.cells);
}

TEST(SessionPlay, APickALinkAndItsEraseScoreAndSpeak) {
    Played p;
    p.session.click(Part::start);
    const Cell a = equalNeighbours(p), b{2, a.row};
    p.front.drawn.clear();
    click(p.session, a);
    EXPECT_EQ(p.front.drawn, (std::vector<std::string>{"sunken 1," + std::to_string(a.row)}));
    EXPECT_EQ(p.front.words.back(), "选中");
    click(p.session, b, 2);  // any button
    EXPECT_EQ(p.front.words.back(), "消除");  // at once, though it shows till its erase
    EXPECT_EQ(p.st().board(a.col, a.row), 0);
    EXPECT_EQ(p.front.drawn.back(), "link of 2");
    EXPECT_TRUE(p.session.timerOn(TimerId::Timer2));
    EXPECT_EQ(p.front.captions.count(Part::Label3), 0u);
    p.session.tick(TimerId::Timer2);
    EXPECT_FALSE(p.session.timerOn(TimerId::Timer2));
    EXPECT_EQ(p.front.erased, (std::vector<Cell>{a, b}));
    EXPECT_EQ(p.st().score, 20);
    EXPECT_EQ(p.front.captions.at(Part::Label3), "分数:20");
    EXPECT_EQ(p.front.words.back(), "消除");  // the erase says nothing more
}

TEST(SessionPlay, RefusedPairsSayWhyAndRaiseBothFrames) {
    Played p;
    p.session.click(Part::start);
    GameState s = p.st();
    // Two tiles of other pictures, side by side.
    Cell a{0, 0};
    for (int r = 1; r <= s.rows && a.col == 0; ++r)
        if (s.board(1, r) != s.board(2, r)) a = {1, r};
    const Cell b{2, a.row};
    click(p.session, a);
    p.front.drawn.clear();
    click(p.session, b);
    EXPECT_EQ(p.front.words.back(), "连不上");
    EXPECT_EQ(p.front.drawn, (std::vector<std::string>{"sunken 2," + std::to_string(a.row), "raised 1," +
                                                           std::to_string(a.row), "raised 2," + std::to_string(a.row)}));
    EXPECT_EQ(p.st().picked, kFalse);
    // The picked tile pressed again.
    click(p.session, a);
    click(p.session, a);
    EXPECT_EQ(p.front.words.back(), "取消");
    EXPECT_EQ(p.st().cells, s.cells);
}

TEST(SessionPlay, TwoLinksBeforeTheTickBothEraseAndScore) {
    Played p;
    p.session.click(Part::start);
    const Cell a = equalNeighbours(p);
    click(p.session, a);
    click(p.session, {2, a.row});
    // A second pair, made of the first tiles that link now.
    const auto pair = linkablePair(p.st());
    ASSERT_TRUE(pair);
    click(p.session, pair->a);
    click(p.session, pair->b);
    p.session.tick(TimerId::Timer2);
    EXPECT_EQ(p.st().score, 20 + linkScore(pair->path));
}

// A whole level: the pairs the search links, clicked one after another,
// each erased by its tick, until the board is empty and the next is dealt.
TEST(SessionPlay, AWholeLevelIsWonAndTheNextDealt) {
    for (unsigned seed = 1; seed < 200; ++seed) {
        Played p(seed);
        p.session.click(Part::start);
        int64_t expected = 0;
        int links = 0;
        while (auto pair = linkablePair(p.st())) {
            click(p.session, pair->a);
            click(p.session, pair->b);
            expected += linkScore(pair->path);
            ++links;
            p.session.tick(TimerId::Timer2);
            if (p.st().level == 2) break;
        }
        if (links < 60) continue;  // this deal got stuck: try another
        EXPECT_EQ(p.st().score, expected);
        EXPECT_EQ(p.front.messages, (std::vector<std::string>{"哇塞，你过关了耶,真是NB！"}));
        EXPECT_EQ(p.front.captions.at(Part::Label1), "现在是第2关");
        const auto codes = codesOnBoard(p.st());
        ASSERT_EQ(codes.size(), 12u);
        EXPECT_EQ(codes.begin()->first, 11);
        EXPECT_EQ(codes.rbegin()->first, 22);
        EXPECT_TRUE(p.session.timerOn(TimerId::Timer1));
        EXPECT_FALSE(p.front.enabled.at(Part::meuOption));
        return;
    }
    FAIL() << "no deal could be cleared";
}

TEST(SessionPlay, ADealBeforeTheTickStillScoresTheLinkButErasesOnlyOutsideTheNewBoard) {
    Played p;
    p.session.click(Part::start);
    const Cell a = equalNeighbours(p);
    click(p.session, a);
    click(p.session, {2, a.row});
    p.session.click(Part::start);
    p.session.tick(TimerId::Timer2);
    EXPECT_EQ(p.st().score, 20);
    EXPECT_TRUE(p.front.erased.empty());
}

// Loading puts the game at its start whatever the state held before: the
// small board, level 1, nothing selected.
TEST(SessionPlay, LoadingStartsTheGameAtLevelOneOnTheSmallBoard) {
    Played p;
    GameState& s = p.session.arrange();
    s.cols = 24;
    s.rows = 14;
    s.level = 5;
    s.picked = kTrue;
    p.session.Form_Load();
    EXPECT_EQ(s.cols, 12);
    EXPECT_EQ(s.rows, 10);
    EXPECT_EQ(s.level, 1);
    EXPECT_EQ(s.picked, kFalse);
}

// The deal is seeded with the seconds of the time of day at load: two games
// loaded in the same second deal the same board, the one a generator seeded
// with those seconds deals.
TEST(SessionPlay, GamesLoadedInTheSameSecondDealTheSameBoard) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        const unsigned seconds = secondsOfTimeOfDay();
        test::FakeFront fa, fb;
        Session a(fa), b(fb);
        a.Form_Load();
        b.Form_Load();
        if (secondsOfTimeOfDay() != seconds) continue;  // a new second began meanwhile
        a.click(Part::start);
        b.click(Part::start);
        EXPECT_EQ(a.state().cells, b.state().cells);
        GameState s;
        SeededRandom random(seconds);
        deal(s, random);
        EXPECT_EQ(a.state().cells, s.cells);
        return;
    }
    FAIL() << "never two games within one second";
}

TEST(SessionPlay, TheHelpMenuShowsItsTextsAndOpensItsAddresses) {
    Played p;
    p.session.click(Part::help);
    p.session.click(Part::ab);
    for (Part link : {Part::meuVisitMyWeb, Part::meuMailtoMe, Part::meuWheretoBuy}) p.session.click(link);
    ASSERT_EQ(p.front.messages.size(), 2u);
    EXPECT_EQ(p.front.messages[0].rfind("使用方法:\r", 0), 0u);
    EXPECT_NE(p.front.messages[1].find("\r\n"), std::string::npos);
    EXPECT_EQ(p.front.urls, (std::vector<std::string>{"http://mepo.sourceforge.net/", "http://www.google.cn/zh-cn/",
                                                      "http://packages.debian.org/"}));
    p.session.click(Part::exit);
    EXPECT_EQ(p.front.closes, 1);
}

}  // namespace mepo
