// The clock and the phases through the session: ticks, the time-out, pause,
// continue and give up, the difficulties, and ticks that fall due while a
// message box is open.
#include <gtest/gtest.h>

#include "fake_front.h"

namespace mepo {

namespace {

using test::Played;

void ticks(Session& s, int n) {
    for (int i = 0; i < n; ++i) s.tick(TimerId::Timer1);
}

}  // namespace

TEST(SessionClock, AGameRunsOutOfTimeOnceAndBlanksTheBoard) {
    Played p;
    p.session.click(Part::start);
    p.session.tick(TimerId::Timer1);
    EXPECT_EQ(p.front.captions.at(Part::Label2), "剩余时间:179秒");
    EXPECT_DOUBLE_EQ(p.front.barShare, 179.0 / 180);
    int ticksWhileOpen = 0;
    p.front.whileOpen = [&] {
        // Ticks while the message is open wait, and never come: the
        // handler that opened it stops the clock.
        ticks(p.session, 2);
        ++ticksWhileOpen;
        EXPECT_EQ(p.front.captions.at(Part::Label2), "剩余时间:1秒");
    };
    ticks(p.session, 179);
    EXPECT_EQ(p.front.messages, (std::vector<std::string>{"对不起，时间到了!你的最后得分:0"}));
    EXPECT_EQ(ticksWhileOpen, 1);
    EXPECT_EQ(p.session.clock().timeLeft, 0);
    EXPECT_EQ(p.front.captions.at(Part::Label2), "剩余时间:0秒");
    EXPECT_EQ(p.front.barShare, 0.0);
    EXPECT_FALSE(p.session.timerOn(TimerId::Timer1));
    EXPECT_TRUE(p.front.enabled.at(Part::meuOption));
    EXPECT_EQ(p.front.drawn.back(), "clear");
    EXPECT_TRUE(p.session.blank());
    EXPECT_EQ(p.st().level, 1);
    // The level label keeps the old level until the next deal.
    EXPECT_EQ(p.front.captions.at(Part::Label1), "现在是第1关");

    // Continuing the finished game never shows less than nothing.
    p.front.whileOpen = nullptr;
    p.session.click(Part::pause);
    p.session.click(Part::reDo);
    p.session.tick(TimerId::Timer1);
    EXPECT_EQ(p.session.clock().timeLeft, -1);
    EXPECT_EQ(p.front.captions.at(Part::Label2), "剩余时间:0秒");
    EXPECT_EQ(p.front.barShare, 0.0);
}

TEST(SessionClock, AfterAGiveUpNoTimeOutIsAnnouncedEver) {
    Played p;
    p.session.click(Part::start);
    p.session.click(Part::Fail);
    EXPECT_EQ(p.session.clock().timeLeft, 1);
    EXPECT_FALSE(p.front.enabled.at(Part::Fail));
    EXPECT_FALSE(p.front.enabled.at(Part::pause));
    p.session.tick(TimerId::Timer1);
    EXPECT_TRUE(p.front.messages.empty());
    EXPECT_TRUE(p.front.enabled.at(Part::meuOption));
    // A real time-out in a later game is silent too.
    p.session.click(Part::start);
    EXPECT_TRUE(p.front.enabled.at(Part::Fail));
    ticks(p.session, 180);
    EXPECT_TRUE(p.front.messages.empty());
    EXPECT_FALSE(p.session.timerOn(TimerId::Timer1));

    // A deal after a give-up, before its tick, cancels the end.
    p.session.click(Part::start);
    p.session.click(Part::Fail);
    p.session.click(Part::start);
    p.session.tick(TimerId::Timer1);
    EXPECT_EQ(p.session.clock().timeLeft, 179);
    EXPECT_FALSE(p.front.enabled.at(Part::meuOption));
}

TEST(SessionClock, PauseAndContinueDriveTheClockAndTheItems) {
    Played p;
    p.session.click(Part::start);
    p.session.tick(TimerId::Timer1);
    p.session.click(Part::pause);
    EXPECT_FALSE(p.session.timerOn(TimerId::Timer1));
    EXPECT_FALSE(p.front.timers.at(TimerId::Timer1));
    EXPECT_TRUE(p.front.enabled.at(Part::reDo));
    p.session.tick(TimerId::Timer1);  // a stopped clock never ticks
    EXPECT_EQ(p.session.clock().timeLeft, 179);
    p.session.click(Part::reDo);
    EXPECT_TRUE(p.front.timers.at(TimerId::Timer1));
    EXPECT_TRUE(p.front.enabled.at(Part::pause));
    EXPECT_FALSE(p.front.enabled.at(Part::reDo));
    // A deal while paused restarts the clock and leaves continue usable.
    p.session.click(Part::pause);
    p.session.click(Part::start);
    EXPECT_TRUE(p.session.timerOn(TimerId::Timer1));
    EXPECT_TRUE(p.front.enabled.at(Part::reDo));
}

// The last pair is linked just before the clock runs out: its erase tick
// falls due while the time-out message is open. It waits for the time-out
// to finish, then erases, scores, and wins the level on the blank board;
// one box after the other, never one inside another.
TEST(SessionClock, AnEraseDueDuringTheTimeOutMessageWaitsAndThenWinsTheLevel) {
    Played p;
    p.session.click(Part::start);
    // A board of one pair.
    GameState& s = p.session.arrange();
    s.cells.fill(0);
    s.board(1, 1) = s.board(2, 1) = 5;
    for (Cell c : {Cell{1, 1}, Cell{2, 1}}) {
        p.session.press(1, 0, c.col * 510.0f + 5, c.row * 510.0f + 5);
        p.session.release(1, 0, c.col * 510.0f + 5, c.row * 510.0f + 5);
    }
    ASSERT_TRUE(p.session.timerOn(TimerId::Timer2));
    ticks(p.session, 179);
    int open = 0, most = 0;
    p.front.whileOpen = [&] {
        most = std::max(most, ++open);
        p.session.tick(TimerId::Timer2);  // falls due now
        p.session.tick(TimerId::Timer1);
        --open;
    };
    p.session.tick(TimerId::Timer1);
    EXPECT_EQ(p.front.messages, (std::vector<std::string>{"对不起，时间到了!你的最后得分:0", "哇塞，你过关了耶,真是NB！"}));
    EXPECT_EQ(most, 1);
    EXPECT_EQ(p.st().score, 20);
    EXPECT_EQ(p.front.captions.at(Part::Label1), "现在是第2关");
    EXPECT_TRUE(p.session.timerOn(TimerId::Timer1));
    EXPECT_EQ(p.session.clock().timeLeft, 180);
}

TEST(SessionClock, EachDifficultySizesTheWindowAndTheNextDeal) {
    Played p;
    struct Case {
        Part item;
        int cols, rows;
        double width;
    };
    for (Case k : {Case{Part::meuHigh, 24, 14, 15200}, Case{Part::meuMiddle, 17, 14, 10748.023}, Case{Part::meuBase, 12, 10, 7600},
                   Case{Part::meuBase, 12, 10, 7600}}) {
        p.session.click(k.item);
        EXPECT_NEAR(p.front.sizes.back(), k.width, 0.01);
        for (Part item : {Part::meuBase, Part::meuMiddle, Part::meuHigh})
            EXPECT_EQ(p.front.checked.at(item), item == k.item);
        p.session.click(Part::start);
        EXPECT_EQ(p.st().cols, k.cols);
        EXPECT_EQ(p.st().rows, k.rows);
        EXPECT_NE(p.st().board(k.cols, k.rows), 0);
        p.session.click(Part::Fail);
        p.session.tick(TimerId::Timer1);
    }
}

// A clock chosen at the start: the label shows it from the first, each deal
// starts it again, and without a clock only a give-up ends the game.
TEST(SessionClock, AClockChosenAtTheStartRulesEveryGame) {
    Played ten(17, 600);
    EXPECT_EQ(ten.front.captions.at(Part::Label2), "剩余时间:600秒");
    ten.session.click(Part::start);
    ticks(ten.session, 1);
    EXPECT_EQ(ten.front.captions.at(Part::Label2), "剩余时间:599秒");
    EXPECT_DOUBLE_EQ(ten.front.barShare, 599.0 / 600);
    ticks(ten.session, 599);
    EXPECT_EQ(ten.front.messages.size(), 1u);
    ten.session.click(Part::start);
    EXPECT_EQ(ten.session.clock().timeLeft, 600);

    Played none(17, kNoClock);
    EXPECT_EQ(none.front.captions.at(Part::Label2), "剩余时间:不限");
    none.session.click(Part::start);
    ticks(none.session, 1000);
    EXPECT_EQ(none.front.captions.at(Part::Label2), "剩余时间:不限");
    EXPECT_EQ(none.front.barShare, 1.0);
    EXPECT_TRUE(none.front.messages.empty());
    EXPECT_TRUE(none.session.timerOn(TimerId::Timer1));
    none.session.click(Part::Fail);
    ticks(none.session, 1);  // the give-up's one second runs out
    EXPECT_FALSE(none.session.timerOn(TimerId::Timer1));
    EXPECT_EQ(none.front.captions.at(Part::Label2), "剩余时间:0秒");
    EXPECT_EQ(none.front.barShare, 0.0);
    EXPECT_TRUE(none.front.enabled.at(Part::meuOption));
    none.session.click(Part::start);  // and the next game has no clock again
    ticks(none.session, 200);
    EXPECT_EQ(none.front.captions.at(Part::Label2), "剩余时间:不限");

    // Without the choice the time label keeps its design caption.
    Played plain;
    EXPECT_EQ(plain.front.captions.count(Part::Label2), 0u);
}

// Ticks of one timer that fall due while a box is open make one.
TEST(SessionClock, TicksHeldByABoxMakeOne) {
    Played p;
    p.session.click(Part::start);
    p.front.whileOpen = [&] { ticks(p.session, 3); };
    p.session.click(Part::help);
    EXPECT_EQ(p.session.clock().timeLeft, 179);
}

}  // namespace mepo
