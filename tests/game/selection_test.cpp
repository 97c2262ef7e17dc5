#include <gtest/gtest.h>

#include "game/connect.h"
#include "game/level.h"
#include "game/match.h"
#include "game/selection.h"
#include "test_helpers.h"

namespace mepo {

namespace {

// Presses and releases on one cell, as a click.
Release click(GameState& s, int col, int row) {
    pressCell(s, col, row);
    return releaseCell(s, col, row).what;
}

}  // namespace

TEST(Selection, PressStoresTheCellEveryTimeAndFramesOnlyTiles) {
    GameState s;
    test::place(s, {{1, 1}});
    EXPECT_TRUE(pressCell(s, 1, 1));
    EXPECT_FALSE(pressCell(s, 0, 0));  // ring
    EXPECT_EQ(s.clickCol, 0);
    EXPECT_FALSE(pressCell(s, 2, 2));  // empty play cell
    EXPECT_EQ(s.clickCol, 2);
    EXPECT_FALSE(pressCell(s, 30, 3));  // beyond the board
    EXPECT_EQ(s.clickCol, 30);
    EXPECT_EQ(s.clickRow, 3);
}

TEST(Selection, BeforeTheFirstDealNothingIsSelected) {
    GameState s;
    EXPECT_EQ(click(s, 3, 3), Release::Nothing);
    EXPECT_EQ(s.picked, kFalse);
}

TEST(Selection, ReleasesThatChangeNothing) {
    GameState s;
    test::place(s, {{2, 2}, {5, 5}});
    ASSERT_EQ(click(s, 2, 2), Release::Selected);
    // On an empty cell, on the ring, outside the picture.
    for (Cell c : {Cell{3, 3}, Cell{0, 2}, Cell{13, 2}, Cell{40, 40}}) {
        pressCell(s, c.col, c.row);
        EXPECT_EQ(releaseCell(s, c.col, c.row).what, Release::Nothing);
    }
    // Pressed on one tile, released on another: only the frame comes back.
    pressCell(s, 5, 5);
    EXPECT_EQ(releaseCell(s, 2, 2).what, Release::RestoreFrame);
    EXPECT_EQ(s.picked, kTrue);
    EXPECT_EQ(s.pick(1, 1), 2);
}

TEST(Selection, FrameComesBackOnTilesOfTheOuterRowsAndColumnsToo) {
    GameState s;
    test::place(s, {{1, 1}, {12, 10}, {1, 5}, {6, 10}, {4, 4}});
    for (Cell pressed : {Cell{1, 1}, Cell{12, 10}, Cell{1, 5}, Cell{6, 10}}) {
        pressCell(s, pressed.col, pressed.row);
        EXPECT_EQ(releaseCell(s, 4, 4).what, Release::RestoreFrame) << pressed.col << "," << pressed.row;
    }
    // Pressed on an empty cell: there is no frame to restore.
    pressCell(s, 3, 3);
    EXPECT_EQ(releaseCell(s, 4, 4).what, Release::Nothing);
}

TEST(Selection, MousePositionToCell) {
    // Pixels (34, 34) and (33, 33), in twips.
    EXPECT_EQ(cellOfPosition(34 * 15.0f), 1);
    EXPECT_EQ(cellOfPosition(33 * 15.0f), 0);
    EXPECT_EQ(cellOfPosition(509.0f), 0);
    EXPECT_EQ(cellOfPosition(509.5f), 1);   // halves go to the even twip: 510
    EXPECT_EQ(cellOfPosition(508.5f), 0);   // ... 508
    EXPECT_EQ(cellOfPosition(-15.0f), 0);   // toward zero, not down
    EXPECT_EQ(cellOfPosition(-600.0f), -1);
    // The right ring column of a 24 x 14 board starts at pixel 850, the bottom ring row at 510.
    EXPECT_EQ(cellOfPosition(850 * 15.0f), 25);
    EXPECT_EQ(cellOfPosition(849 * 15.0f), 24);
    EXPECT_EQ(cellOfPosition(510 * 15.0f), 15);
}

TEST(Selection, SecondPickDecidesThePair) {
    GameState s;
    test::place(s, {{2, 2}, {3, 2}}, 5);
    test::place(s, {{6, 6}}, 8);

    // The same tile twice.
    EXPECT_EQ(click(s, 2, 2), Release::Selected);
    EXPECT_EQ(click(s, 2, 2), Release::SameTile);
    EXPECT_EQ(s.picked, kFalse);

    // Another picture: the pair fails and the second tile is not kept.
    EXPECT_EQ(click(s, 2, 2), Release::Selected);
    EXPECT_EQ(click(s, 6, 6), Release::OtherPicture);
    EXPECT_EQ(s.picked, kFalse);
    EXPECT_EQ(click(s, 3, 2), Release::Selected);
    EXPECT_EQ(s.pick(1, 1), 3);

    // Neighbours link; both cells are empty at once.
    EXPECT_EQ(click(s, 2, 2), Release::Linked);
    EXPECT_EQ(s.board(2, 2), 0);
    EXPECT_EQ(s.board(3, 2), 0);
    ASSERT_EQ(s.pending.size(), 1u);
    EXPECT_EQ(linkScore(s.pending[0].points), 20);
    // A click on a removed tile does nothing.
    EXPECT_EQ(click(s, 2, 2), Release::Nothing);
}

TEST(Selection, AFailedPairChangesNeitherBoardNorScore) {
    GameState s;
    test::fillPlayArea(s, 9);
    test::place(s, {{3, 3}, {8, 7}}, 4);
    s.score = 120;
    const auto before = s.cells;
    click(s, 3, 3);
    EXPECT_EQ(click(s, 8, 7), Release::NoPath);
    EXPECT_EQ(s.cells, before);
    EXPECT_EQ(s.score, 120);
    EXPECT_TRUE(s.pending.empty());
}

TEST(Selection, ATileNeverLinksWithItself) {
    GameState s;
    test::place(s, {{4, 4}});
    test::setPicks(s, {4, 4}, {4, 4});
    EXPECT_FALSE(connect(s));
}

// A same-column pair blocked straight but linked round the side: the
// outcome tells that the search raised both frames on its way.
TEST(Selection, TheOutcomeTellsWhenTheSearchRaisedTheFrames) {
    GameState s;
    test::place(s, {{4, 2}, {4, 6}}, 5);
    test::place(s, {{4, 4}}, 9);
    pressCell(s, 4, 2);
    releaseCell(s, 4, 2);
    pressCell(s, 4, 6);
    const ReleaseOutcome out = releaseCell(s, 4, 6);
    EXPECT_EQ(out.what, Release::Linked);
    EXPECT_TRUE(out.framesRaised);
    test::place(s, {{6, 2}, {7, 2}}, 5);
    click(s, 6, 2);
    pressCell(s, 7, 2);
    EXPECT_FALSE(releaseCell(s, 7, 2).framesRaised);
}

TEST(Scoring, TenForEveryCellTurnsCountingTwice) {
    // Side by side.
    EXPECT_EQ(linkScore({{2, 2}, {3, 2}}), 20);
    // Straight with three empty cells between.
    EXPECT_EQ(linkScore({{2, 2}, {6, 2}}), 50);
    // One turn through five cells.
    EXPECT_EQ(linkScore({{1, 1}, {1, 3}, {3, 3}}), 60);
    // Two turns round the outside through five cells.
    EXPECT_EQ(linkScore({{1, 3}, {0, 3}, {0, 5}, {1, 5}}), 70);
    // A turn is worth ten more than the same cells straight.
    EXPECT_EQ(linkScore({{1, 1}, {1, 3}, {3, 3}}) - linkScore({{1, 1}, {5, 1}}), 10);
    EXPECT_EQ(visitedCells({{1, 1}, {1, 3}, {3, 3}}),
              (std::vector<Cell>{{1, 1}, {1, 2}, {1, 3}, {1, 3}, {2, 3}, {3, 3}}));
}

TEST(Scoring, EveryPendingLinkIsErasedAndScoredInOrder) {
    GameState s;
    s.score = 30;
    s.pending.push_back({{{2, 2}, {3, 2}}});
    s.pending.push_back({{{5, 1}, {5, 0}, {7, 0}, {7, 1}}});
    std::vector<Cell> erased;
    EXPECT_EQ(scorePendingLinks(s, [&](Cell c) { erased.push_back(c); }), 2 + 7);
    EXPECT_EQ(s.score, 30 + 20 + 70);
    EXPECT_EQ(erased, (std::vector<Cell>{{2, 2}, {3, 2}, {5, 1}, {5, 0}, {5, 0}, {6, 0}, {7, 0}, {7, 0}, {7, 1}}));
    EXPECT_TRUE(s.pending.empty());
    // A second tick has nothing left to do.
    EXPECT_EQ(scorePendingLinks(s, [&](Cell) { ADD_FAILURE(); }), 0);
}

TEST(Scoring, ALinkCoveredByANewDealScoresAndErasesOnlyOutsideIt) {
    GameState s;
    // Round the outside through the ring row above, then a new deal.
    s.pending.push_back({{{2, 1}, {2, 0}, {4, 0}, {4, 1}}});
    forgetPendingPaint(s);
    s.pending.push_back({{{4, 4}, {4, 5}}});
    std::vector<Cell> erased;
    scorePendingLinks(s, [&](Cell c) { erased.push_back(c); });
    EXPECT_EQ(s.score, 70 + 20);
    // The ring cells still lose their band; the dealt tiles are left alone.
    EXPECT_EQ(erased, (std::vector<Cell>{{2, 0}, {2, 0}, {3, 0}, {4, 0}, {4, 0}, {4, 4}, {4, 5}}));
}

TEST(Level, WonWhenThePlayAreaAloneIsEmpty) {
    GameState s;
    EXPECT_TRUE(playAreaEmpty(s));
    s.board(12, 10) = 3;
    EXPECT_FALSE(playAreaEmpty(s));
    s.board(12, 10) = 0;
    // Ring cells and tiles left beyond a smaller board do not count.
    s.board(0, 4) = 3;
    s.board(13, 5) = 3;
    s.board(20, 12) = 3;
    EXPECT_TRUE(playAreaEmpty(s));
}

}  // namespace mepo
