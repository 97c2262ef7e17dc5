#include <gtest/gtest.h>

#include "game/state.h"

namespace mepo {

TEST(GameState, StartsAsTheGameOpens) {
    const GameState s;
    EXPECT_EQ(s.cols, 12);
    EXPECT_EQ(s.rows, 10);
    EXPECT_EQ(s.level, 1);
    EXPECT_EQ(s.score, 0);
    EXPECT_EQ(s.picked, 0);
    EXPECT_EQ(s.gaveUp, 0);
    EXPECT_EQ(s.sizing, 0);
    EXPECT_EQ(s.timeTotal, 0);
    EXPECT_EQ(s.timeLeft, 0);
    EXPECT_EQ(s.clickCol, 0);
    EXPECT_EQ(s.clickRow, 0);
    EXPECT_TRUE(s.pending.empty());
    for (int16_t cell : s.cells) EXPECT_EQ(cell, 0);
    EXPECT_EQ(s.cells.size(), 26u * 16u);
}

TEST(GameState, TablesAreStoredInTheirOrder) {
    GameState s;
    // The board runs column-fastest.
    s.board(3, 2) = 7;
    EXPECT_EQ(s.cells[2 * 26 + 3], 7);
    s.board(25, 15) = 9;
    EXPECT_EQ(s.cells.back(), 9);

    // Picks: code 1, code 2, column 1, column 2, row 1, row 2.
    s.pick(1, 0) = 1;
    s.pick(2, 0) = 2;
    s.pick(1, 1) = 3;
    s.pick(2, 1) = 4;
    s.pick(1, 2) = 5;
    s.pick(2, 2) = 6;
    EXPECT_EQ(s.picks, (std::array<int16_t, 6>{1, 2, 3, 4, 5, 6}));

    // Path: columns 1..4, then rows 1..4.
    for (int k = 1; k <= 4; ++k) {
        s.path(k, 1) = static_cast<int16_t>(10 + k);
        s.path(k, 2) = static_cast<int16_t>(20 + k);
    }
    EXPECT_EQ(s.paths, (std::array<int16_t, 8>{11, 12, 13, 14, 21, 22, 23, 24}));
}

TEST(GameState, ScoreHoldsFarMoreThanSixteenBits) {
    GameState s;
    s.score = 32767;
    s.score += 10;
    EXPECT_EQ(s.score, 32777);
}

}  // namespace mepo
