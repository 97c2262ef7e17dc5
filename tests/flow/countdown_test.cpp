#include <gtest/gtest.h>

#include "flow/countdown.h"

namespace mepo {

namespace {
GameState dealt() {
    GameState s;
    s.timeTotal = 180;
    s.timeLeft = 180;
    s.designW = 7485;
    return s;
}
}  // namespace

TEST(Countdown, FirstTickShows179AndItsShareOfTheBar) {
    GameState s = dealt();
    const TickOutcome out = countdownTick(s);
    EXPECT_FALSE(out.timedOut);
    EXPECT_EQ(timeCaption(s), "剩余时间:179秒");
    // The bar scales by the outer width against the design client width.
    EXPECT_DOUBLE_EQ(timeBarWidth(s, 7600), 179.0 / 180.0 * 7215.0 * (7600.0 / 7485.0));
}

TEST(Countdown, TheHundredEightiethTickEndsTheGame) {
    GameState s = dealt();
    for (int i = 0; i < 179; ++i) ASSERT_FALSE(countdownTick(s).timedOut) << i;
    EXPECT_EQ(timeCaption(s), "剩余时间:1秒");
    const TickOutcome out = countdownTick(s);
    EXPECT_TRUE(out.timedOut);
    EXPECT_TRUE(out.announce);
    EXPECT_EQ(timeCaption(s), "剩余时间:0秒");
    EXPECT_EQ(timeBarWidth(s, 7600), 0.0);
}

TEST(Countdown, AfterAGiveUpTheEndIsSilent) {
    GameState s = dealt();
    s.gaveUp = 1;
    s.timeLeft = 1;
    const TickOutcome out = countdownTick(s);
    EXPECT_TRUE(out.timedOut);
    EXPECT_FALSE(out.announce);
}

TEST(Countdown, NegativeTimeShowsZeroAndAnEmptyBar) {
    GameState s = dealt();
    s.timeLeft = 0;  // continuing a game that already timed out
    EXPECT_TRUE(countdownTick(s).timedOut);
    EXPECT_EQ(s.timeLeft, -1);
    EXPECT_EQ(timeCaption(s), "剩余时间:0秒");
    EXPECT_EQ(timeBarWidth(s, 7600), 0.0);
}

TEST(Countdown, EndingAGameKeepsScoreAndGridAndReturnsToLevelOne) {
    GameState s = dealt();
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
