#include <gtest/gtest.h>

#include "game/match.h"
#include "game/state.h"

namespace mepo {

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

// The score is never reset, so a long run passes 32767: the erase tick keeps
// counting past it.
TEST(GameState, TheScoreGoesOnPastSixteenBits) {
    GameState s;
    s.score = 32760;
    s.pending.push_back({{{2, 2}, {3, 2}}});
    scorePendingLinks(s, {});
    EXPECT_EQ(s.score, 32780);
}

}  // namespace mepo
