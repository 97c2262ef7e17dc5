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

TEST(Countdown, FirstTickShows179) {
    GameState s = dealt();
    const TickOutcome out = countdownTick(s);
    EXPECT_FALSE(out.timedOut);
    EXPECT_EQ(s.timeLeft, 179);
    EXPECT_EQ(timeCaption(s), "剩余时间:179秒");
}

// The bar is the remaining share of 7215 twips, scaled by the window's outer
// width against the design client width of 7485 twips.
TEST(Countdown, TheBarIsTheRemainingShareScaledByTheOuterWidth) {
    struct Case {
        int timeLeft;
        double outerWidth, width;
    };
    for (Case k : {Case{180, 7485, 7215}, Case{90, 7485, 3607.5}, Case{36, 7485, 1443}, Case{90, 14970, 7215},
                   Case{180, 3742.5, 3607.5}, Case{0, 7485, 0}, Case{-3, 7485, 0}}) {
        GameState s = dealt();
        s.timeLeft = static_cast<int16_t>(k.timeLeft);
        EXPECT_DOUBLE_EQ(timeBarWidth(s, k.outerWidth), k.width) << k.timeLeft << " s at " << k.outerWidth;
    }
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
