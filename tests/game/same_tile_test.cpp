#include <gtest/gtest.h>

#include "game/same_tile.h"
#include "test_helpers.h"

namespace mepo {

TEST(SameTile, NextAndPreviousInReadingOrderWrappingRound) {
    GameState s;
    test::fillPlayArea(s);  // 12 x 10 of a code nothing else uses
    test::place(s, {{5, 2}, {3, 4}, {12, 10}}, 7);
    s.board(4, 4) = 0;
    // Reading order: row by row, so (5, 2) comes before (3, 4).
    EXPECT_EQ(sameTile(s, {5, 2}, 1), (Cell{3, 4}));
    EXPECT_EQ(sameTile(s, {3, 4}, 1), (Cell{12, 10}));
    EXPECT_EQ(sameTile(s, {12, 10}, 1), (Cell{5, 2}));  // past the last cell, round to the first
    EXPECT_EQ(sameTile(s, {5, 2}, -1), (Cell{12, 10}));
    EXPECT_EQ(sameTile(s, {3, 4}, -1), (Cell{5, 2}));
    // Only the play area counts: a tile of the code in the ring is not one.
    s.board(13, 10) = 7;
    s.board(0, 1) = 7;
    EXPECT_EQ(sameTile(s, {12, 10}, 1), (Cell{5, 2}));
    EXPECT_EQ(sameTile(s, {5, 2}, -1), (Cell{12, 10}));
}

TEST(SameTile, NothingFromAnEmptyCellALoneTileOrOutside) {
    GameState s;
    test::fillPlayArea(s);
    s.board(4, 4) = 0;
    s.board(6, 6) = 8;
    EXPECT_FALSE(sameTile(s, {4, 4}, 1));
    EXPECT_FALSE(sameTile(s, {6, 6}, 1));
    EXPECT_FALSE(sameTile(s, {0, 3}, -1));
    EXPECT_FALSE(sameTile(s, {13, 3}, 1));
}

}  // namespace mepo
