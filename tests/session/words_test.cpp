// The words' shapes: runs of empty cells counted, the ways around a tile.
#include <gtest/gtest.h>

#include "game/test_helpers.h"
#include "session/words.h"

namespace mepo {

TEST(Words, ALineCountsItsRunsOfEmptyCells) {
    EXPECT_EQ(lineWords({7, 0, 0, 0, 8, 0, 7}), "热带鱼、空3、鲸鱼、空、热带鱼");
    EXPECT_EQ(lineWords({0, 0}), "空2");
    EXPECT_EQ(lineWords({}), "");
}

// Around a tile: the first tile each way, the empty cells before it, or the
// way open to the edge, where the ring lets a path round.
TEST(Words, AroundATileEachWayToTheFirstTileOrTheEdge) {
    GameState s;
    test::fillPlayArea(s, 8);  // 鲸鱼
    s.board(5, 4) = 0;
    s.board(5, 3) = 0;
    s.board(6, 5) = 0;
    for (int c = 1; c < 5; ++c) s.board(c, 5) = 0;
    EXPECT_EQ(aroundWords(s, {5, 5}), "上空2鲸鱼，下鲸鱼，左空4到边，右空鲸鱼");
    EXPECT_EQ(aroundWords(s, {12, 10}), "上鲸鱼，下到边，左鲸鱼，右到边");
    EXPECT_EQ(placeWords({5, 3}), "3行5列");
}

TEST(Words, TheTimeAndTheScoreWithAndWithoutAClock) {
    Clock c;
    startClock(c, 180);
    c.timeLeft = 37;
    EXPECT_EQ(statusWords(c, 480), "剩37秒，480分");
    c.timeLeft = -1;
    EXPECT_EQ(statusWords(c, 0), "剩0秒，0分");
    startClock(c, kNoClock);
    EXPECT_EQ(statusWords(c, 20), "不限时，20分");
}

}  // namespace mepo
