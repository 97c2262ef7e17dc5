// A whole deal at 24 x 14: the grid filled and shuffled, 336 tiles copied
// into the board's image and 10000 stripes painted on the time bar.
#include <benchmark/benchmark.h>

#include <QImage>

#include "game/deal.h"
#include "render/geometry.h"
#include "render/stripes.h"
#include "render/tiles.h"

namespace {

void BM_WholeDeal24x14(benchmark::State& state) {
    mepo::GameState s;
    s.cols = 24;
    s.rows = 14;
    mepo::SeededRandom random(7);
    QImage sheet(340, 204, QImage::Format_RGB32);
    sheet.fill(qRgb(192, 192, 192));
    mepo::Canvas board(mepo::kGridWidthPx, mepo::kGridHeightPx, mepo::kTwipsPerPixel, qRgb(240, 240, 240));
    mepo::Canvas bar(1006, 25, 1, qRgb(240, 240, 240));
    for (auto _ : state) {
        mepo::deal(s, random);
        mepo::drawBoard(board, sheet, s);
        mepo::stripeTimeBar(bar);
        benchmark::DoNotOptimize(board.image().constBits());
        benchmark::DoNotOptimize(bar.image().constBits());
    }
}
BENCHMARK(BM_WholeDeal24x14)->Unit(benchmark::kMicrosecond);

void BM_StripesOnly(benchmark::State& state) {
    mepo::Canvas bar(1006, 25, 1, qRgb(240, 240, 240));
    for (auto _ : state) {
        mepo::stripeTimeBar(bar);
        benchmark::DoNotOptimize(bar.image().constBits());
    }
}
BENCHMARK(BM_StripesOnly)->Unit(benchmark::kMicrosecond);

}  // namespace
