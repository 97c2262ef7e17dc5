#include <gtest/gtest.h>

#include "flow/countdown.h"

namespace mepo {

namespace {
Clock dealt() {
    Clock c;
    startClock(c);
    return c;
}
}  // namespace

TEST(Countdown, FirstTickShows179) {
    Clock s = dealt();
    EXPECT_EQ(s.timeTotal, 180);
    const TickOutcome out = countdownTick(s);
    EXPECT_FALSE(out.timedOut);
    EXPECT_EQ(s.timeLeft, 179);
    EXPECT_EQ(timeCaption(s), "剩余时间:179秒");
}

// The bar shows the share of the time left: whole before the first game,
// empty once the time is up, and never less than empty.
TEST(Countdown, TheBarShowsTheShareOfTheTimeLeft) {
    EXPECT_EQ(timeShare(Clock{}), 1.0);
    struct Case {
        int timeLeft;
        double share;
    };
    for (Case k : {Case{180, 1}, Case{90, 0.5}, Case{36, 0.2}, Case{0, 0}, Case{-3, 0}}) {
        Clock s = dealt();
        s.timeLeft = static_cast<int16_t>(k.timeLeft);
        EXPECT_DOUBLE_EQ(timeShare(s), k.share) << k.timeLeft << " s";
    }
}

TEST(Countdown, TheHundredEightiethTickEndsTheGame) {
    Clock s = dealt();
    for (int i = 0; i < 179; ++i) ASSERT_FALSE(countdownTick(s).timedOut) << i;
    EXPECT_EQ(timeCaption(s), "剩余时间:1秒");
    const TickOutcome out = countdownTick(s);
    EXPECT_TRUE(out.timedOut);
    EXPECT_TRUE(out.announce);
    EXPECT_EQ(timeCaption(s), "剩余时间:0秒");
    EXPECT_EQ(timeShare(s), 0.0);
}

TEST(Countdown, AfterAGiveUpTheEndIsSilent) {
    Clock s = dealt();
    s.gaveUp = 1;
    s.timeLeft = 1;
    const TickOutcome out = countdownTick(s);
    EXPECT_TRUE(out.timedOut);
    EXPECT_FALSE(out.announce);
}

TEST(Countdown, NegativeTimeShowsZeroAndAnEmptyBar) {
    Clock s = dealt();
    s.timeLeft = 0;  // continuing a game that already timed out
    EXPECT_TRUE(countdownTick(s).timedOut);
    EXPECT_EQ(s.timeLeft, -1);
    EXPECT_EQ(timeCaption(s), "剩余时间:0秒");
}

TEST(Countdown, EndingAGameKeepsScoreAndGridAndReturnsToLevelOne) {
    GameState s;
    s.level = 4;
    s.score = 880;
    s.board(3, 3) = 12;
    endGame(s);
    EXPECT_EQ(s.level, 1);
    EXPECT_EQ(s.score, 880);
    EXPECT_EQ(s.board(3, 3), 12);
    EXPECT_EQ(timeOutMessage("得分:0"), "对不起，时间到了!你的最后得分:0");
}

}  // namespace mepo
