// One connection search on a full or nearly full 24 x 14 board: the
// worst cases scan every shape before they give up.
#include <benchmark/benchmark.h>

#include "game/connect.h"
#include "game/deal.h"

namespace {

mepo::GameState fullBoard() {
    mepo::GameState s;
    s.cols = 24;
    s.rows = 14;
    mepo::SeededRandom random(11);
    mepo::deal(s, random);
    return s;
}

void pickPair(mepo::GameState& s, int c1, int r1, int c2, int r2) {
    s.board(c2, r2) = s.board(c1, r1);
    s.pick(1, 0) = s.pick(2, 0) = s.board(c1, r1);
    s.pick(1, 1) = static_cast<int16_t>(c1);
    s.pick(1, 2) = static_cast<int16_t>(r1);
    s.pick(2, 1) = static_cast<int16_t>(c2);
    s.pick(2, 2) = static_cast<int16_t>(r2);
}

// Two tiles deep inside a full board, apart in both directions: no path.
void BM_SearchFullBoardApart(benchmark::State& state) {
    mepo::GameState s = fullBoard();
    for (auto _ : state) {
        pickPair(s, 3, 4, 20, 11);
        benchmark::DoNotOptimize(mepo::connect(s));
    }
}
BENCHMARK(BM_SearchFullBoardApart)->Unit(benchmark::kNanosecond);

// A nearly full board with one empty column: the link goes round a long way.
void BM_SearchNearlyFullRoundTheRing(benchmark::State& state) {
    mepo::GameState s = fullBoard();
    for (int r = 1; r <= s.rows; ++r) s.board(1, r) = 0;
    for (int c = 1; c <= s.cols; ++c) s.board(c, 1) = 0;
    for (auto _ : state) {
        pickPair(s, 2, 14, 24, 2);
        benchmark::DoNotOptimize(mepo::connect(s));
    }
}
BENCHMARK(BM_SearchNearlyFullRoundTheRing)->Unit(benchmark::kNanosecond);

// Same column, blocked between and on both sides.
void BM_SearchFullBoardSameColumn(benchmark::State& state) {
    mepo::GameState s = fullBoard();
    for (auto _ : state) {
        pickPair(s, 12, 2, 12, 13);
        benchmark::DoNotOptimize(mepo::connect(s));
    }
}
BENCHMARK(BM_SearchFullBoardSameColumn)->Unit(benchmark::kNanosecond);

// Random boards of every density with random equal pairs: the average case,
// including long scans over sparse boards.
void BM_SearchRandomBoards(benchmark::State& state) {
    std::vector<mepo::GameState> boards(64);
    mepo::SeededRandom random(5);
    for (size_t i = 0; i < boards.size(); ++i) {
        mepo::GameState& s = boards[i];
        s.cols = 24;
        s.rows = 14;
        const double fill = static_cast<double>(i) / boards.size();
        for (int c = 1; c <= 24; ++c)
            for (int r = 1; r <= 14; ++r) s.board(c, r) = random.next() < fill ? 3 : 0;
    }
    size_t n = 0;
    for (auto _ : state) {
        mepo::GameState& s = boards[n++ % boards.size()];
        const int c1 = 1 + static_cast<int>(n * 7 % 24), r1 = 1 + static_cast<int>(n * 5 % 14);
        const int c2 = 1 + static_cast<int>(n * 11 % 24), r2 = 1 + static_cast<int>(n * 3 % 14);
        const int16_t a = s.board(c1, r1), b = s.board(c2, r2);
        pickPair(s, c1, r1, c2, r2);
        benchmark::DoNotOptimize(mepo::connect(s));
        s.board(c1, r1) = a;
        s.board(c2, r2) = b;
    }
}
BENCHMARK(BM_SearchRandomBoards)->Unit(benchmark::kNanosecond);

}  // namespace
