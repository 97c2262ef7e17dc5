// A whole deal at 24 x 14: the grid filled and shuffled, 336 tiles copied
// into the board's image and the time bar striped (painted once: nothing is
// drawn over it between deals), at the screen densities players use most
// (1, 1.25 and 2 device pixels to the pixel); and the parts alone.
#include <benchmark/benchmark.h>

#include <QImage>

#include "assets/assets.h"
#include "game/deal.h"
#include "render/geometry.h"
#include "render/sheet.h"
#include "render/stripes.h"
#include "render/tiles.h"

namespace {

constexpr QRgb kFace = qRgb(240, 240, 240);

// The tile sheet as the window holds it at a density.
mepo::Canvas sheetAt(double scale) {
    mepo::Canvas holder(340, 204, mepo::kTwipsPerPixel, kFace, mepo::Canvas::Layout::Sheet);
    QImage sheet = scale > 1 ? mepo::tileSheet2x() : mepo::tileSheet();
    sheet.setDevicePixelRatio(scale > 1 ? 2 : 1);
    holder.setScale(scale);
    mepo::loadSheet(holder, sheet);
    return holder;
}

void BM_WholeDeal24x14(benchmark::State& state) {
    const double scale = static_cast<double>(state.range(0)) / 100;
    mepo::GameState s;
    s.cols = 24;
    s.rows = 14;
    mepo::SeededRandom random(7);
    const mepo::Canvas sheet = sheetAt(scale);
    mepo::Canvas board(mepo::kGridWidthPx, mepo::kGridHeightPx, mepo::kTwipsPerPixel, kFace,
                       mepo::Canvas::Layout::Cells);
    board.setScale(scale);
    mepo::Canvas bar(1006, 25, 1, kFace);
    bar.setScale(scale);
    for (auto _ : state) {
        mepo::deal(s, random);
        mepo::drawBoard(board, sheet, s);
        mepo::stripeTimeBar(bar);
        benchmark::DoNotOptimize(board.image().constBits());
        benchmark::DoNotOptimize(bar.image().constBits());
    }
}
// The argument is the density in hundredths.
BENCHMARK(BM_WholeDeal24x14)->Arg(100)->Arg(125)->Arg(200)->Unit(benchmark::kMicrosecond);

// The parts of a deal alone: the rules' shuffle, and the tiles copied into
// the board's image (at a density, in hundredths).
void BM_ShuffleOnly(benchmark::State& state) {
    mepo::GameState s;
    s.cols = 24;
    s.rows = 14;
    mepo::SeededRandom random(7);
    for (auto _ : state) {
        mepo::deal(s, random);
        benchmark::DoNotOptimize(s.cells.data());
    }
}
BENCHMARK(BM_ShuffleOnly)->Unit(benchmark::kMicrosecond);

void BM_TilesOnly(benchmark::State& state) {
    const double scale = static_cast<double>(state.range(0)) / 100;
    mepo::GameState s;
    s.cols = 24;
    s.rows = 14;
    mepo::SeededRandom random(7);
    mepo::deal(s, random);
    const mepo::Canvas sheet = sheetAt(scale);
    mepo::Canvas board(mepo::kGridWidthPx, mepo::kGridHeightPx, mepo::kTwipsPerPixel, kFace,
                       mepo::Canvas::Layout::Cells);
    board.setScale(scale);
    for (auto _ : state) {
        mepo::drawBoard(board, sheet, s);
        benchmark::DoNotOptimize(board.image().constBits());
    }
}
BENCHMARK(BM_TilesOnly)->Arg(100)->Arg(200)->Unit(benchmark::kMicrosecond);

// The stripes painted whole: a dot drawn on the bar first, or the canvas
// would know that it shows them already.
void BM_StripesOnly(benchmark::State& state) {
    mepo::Canvas bar(1006, 25, 1, kFace);
    for (auto _ : state) {
        bar.line(1, 0, 2, 0, kFace);
        mepo::stripeTimeBar(bar);
        benchmark::DoNotOptimize(bar.image().constBits());
    }
}
BENCHMARK(BM_StripesOnly)->Unit(benchmark::kMicrosecond);

}  // namespace
