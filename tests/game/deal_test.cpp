#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>

#include "game/deal.h"
#include "test_helpers.h"

namespace mepo {

namespace {

std::map<int, int> countCodes(const GameState& s) {
    std::map<int, int> n;
    for (int c = 1; c <= s.cols; ++c)
        for (int r = 1; r <= s.rows; ++r) ++n[s.board(c, r)];
    return n;
}

bool ringAndBeyondEmpty(const GameState& s) {
    for (int c = 0; c < kGridCols; ++c)
        for (int r = 0; r < kGridRows; ++r) {
            const bool play = c >= 1 && c <= s.cols && r >= 1 && r <= s.rows;
            if (!play && s.board(c, r) != 0) return false;
        }
    return true;
}

}  // namespace

TEST(Deal, EveryKindComesRowsTimesAtEverySize) {
    struct Case {
        int16_t cols, rows, level;
        int firstCode;
    };
    for (Case k : {Case{12, 10, 1, 1}, Case{12, 10, 2, 11}, Case{17, 14, 1, 1}, Case{24, 14, 3, 21},
                   Case{24, 14, 7, 61}}) {
        GameState s;
        s.cols = k.cols;
        s.rows = k.rows;
        s.level = k.level;
        SeededRandom random(42);
        deal(s, random);
        const auto n = countCodes(s);
        ASSERT_EQ(n.size(), static_cast<size_t>(k.cols)) << k.cols << "x" << k.rows;
        for (int code = k.firstCode; code < k.firstCode + k.cols; ++code) EXPECT_EQ(n.at(code), k.rows) << code;
        EXPECT_TRUE(ringAndBeyondEmpty(s));
    }
}

TEST(Deal, LeavesNothingSelected) {
    GameState s;
    s.picked = kTrue;
    s.score = 450;
    s.level = 4;
    SeededRandom random(1);
    deal(s, random);
    EXPECT_EQ(s.picked, kFalse);
    EXPECT_EQ(s.score, 450);  // the score and the level are the deal's to keep
    EXPECT_EQ(s.level, 4);
}

TEST(Deal, AlwaysZeroDrawsLeaveTheBoardSortedByColumn) {
    GameState s;
    test::ScriptedRandom zeros;
    deal(s, zeros);
    EXPECT_EQ(zeros.drawn(), 4u * 12u * 10u);  // four draws for each of cols x rows exchanges
    for (int c = 1; c <= 12; ++c)
        for (int r = 1; r <= 10; ++r) EXPECT_EQ(s.board(c, r), c);
}

TEST(Deal, DrawsColumnRowColumnRowForEachExchange) {
    // The first exchange draws 0.55, 0.15, 0.95, 0.75: as x1, y1, x2, y2 it
    // swaps (7, 2) with (12, 8). Every other order of the four draws (but the
    // one that names the same two cells the other way round) swaps another
    // pair of cells. Every later exchange draws zeros and swaps (1, 1) with
    // itself.
    GameState s;
    test::ScriptedRandom random({0.55, 0.15, 0.95, 0.75});
    deal(s, random);
    for (int c = 1; c <= 12; ++c)
        for (int r = 1; r <= 10; ++r) {
            const int want = c == 7 && r == 2 ? 12 : c == 12 && r == 8 ? 7 : c;
            EXPECT_EQ(s.board(c, r), want) << c << "," << r;
        }
}

TEST(Deal, ClearsTilesLeftBeyondASmallerBoard) {
    GameState s;
    s.cols = 24;
    s.rows = 14;
    SeededRandom random(3);
    deal(s, random);
    s.cols = 12;
    s.rows = 10;
    deal(s, random);
    EXPECT_TRUE(ringAndBeyondEmpty(s));
}

TEST(Deal, SameSeedSameBoard) {
    GameState a, b;
    SeededRandom r1(37), r2(37);
    deal(a, r1);
    deal(b, r2);
    EXPECT_EQ(a.cells, b.cells);
}

TEST(Random, StaysInsideTheUnitInterval) {
    SeededRandom random(5);
    for (int i = 0; i < 100000; ++i) {
        const double r = random.next();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
    }
    EXPECT_LT(secondsOfTimeOfDay(), 60u);
}

TEST(Random, DrawsWhatTheStandardLibraryDraws) {
    for (unsigned seed : {0u, 1u, 37u, 59u}) {
        SeededRandom random(seed);
        std::mt19937 engine(seed);
        for (int i = 0; i < 200000; ++i) {
            const double want = std::generate_canonical<double, 53>(engine);
            ASSERT_EQ(random.next(), want < 1.0 ? want : std::nextafter(1.0, 0.0)) << seed << " draw " << i;
        }
    }
}

}  // namespace mepo
