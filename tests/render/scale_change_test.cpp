// A board and a time bar taken to a screen of another density are drawn
// again there, exactly as if the game had been played there from the start.
#include <gtest/gtest.h>

#include "assets/assets.h"
#include "game/deal.h"
#include "render/bands.h"
#include "render/frame.h"
#include "render/geometry.h"
#include "render/sheet.h"
#include "render/stripes.h"
#include "render/tiles.h"

namespace mepo {
namespace {

constexpr QRgb kFace = qRgb(240, 240, 240);

// The board, the time bar and the tile sheet at one density, the sheet
// made ready for it as the window does.
struct Screen {
    explicit Screen(double scale) { moveTo(scale); }
    void moveTo(double scale) {
        QImage image = scale > 1 ? tileSheet2x() : tileSheet();
        image.setDevicePixelRatio(scale > 1 ? 2 : 1);
        sheet.clear();
        sheet.setScale(scale);
        loadSheet(sheet, image);
        board.setScale(scale);
        bar.setScale(scale);
    }
    Canvas sheet{340, 204, kTwipsPerPixel, kFace, Canvas::Layout::Sheet};
    Canvas board{kGridWidthPx, kGridHeightPx, kTwipsPerPixel, kFace, Canvas::Layout::Cells};
    Canvas bar{1006, 17, 1, kFace};
};

// Seeded deals on the largest board, each with a tile pressed and let go
// and a two-turn link through the ring above or below; every link but the
// last is erased. Then the bar narrows.
void play(Screen& s, int deals) {
    GameState g;
    g.cols = 24;
    g.rows = 14;
    SeededRandom random(5);
    for (int d = 0; d < deals; ++d) {
        deal(g, random);
        drawBoard(s.board, s.sheet, g);
        stripeTimeBar(s.bar);
        const int a = 1 + d % 24, b = 1 + d * 7 % 24, r = 1 + d % 14, ring = d % 2 ? 0 : 15;
        sunkenFrame(s.board, b, r);
        raisedFrame(s.board, b, r);
        drawLink(s.board, {{a, r}, {a, ring}, {b, ring}, {b, r}});
        if (d + 1 == deals) break;
        for (int y = std::min(r, ring); y <= std::max(r, ring); ++y) {
            eraseCell(s.board, {a, y});
            eraseCell(s.board, {b, y});
        }
        for (int x = std::min(a, b); x <= std::max(a, b); ++x) eraseCell(s.board, {x, ring});
    }
    s.bar.setBox({600, 17});
}

TEST(ScaleChange, BoardAndBarDrawnAgainAsIfDrawnThereFromTheStart) {
    for (double from : {1.0, 1.25, 2.0, 3.0})
        for (double to : {1.0, 1.5, 2.0, 2.75}) {
            if (from == to) continue;
            Screen moved(from), there(to);
            play(moved, 3);
            play(there, 3);
            moved.moveTo(to);
            EXPECT_TRUE(moved.board.image() == there.board.image()) << "board from " << from << " to " << to;
            EXPECT_TRUE(moved.bar.image() == there.bar.image()) << "bar from " << from << " to " << to;
        }
}

TEST(ScaleChange, ALongGameKeepsOnlyWhatStillShows) {
    Screen moved(1), there(2);
    play(moved, 200);
    play(there, 200);
    // The bar striped again and again, each time with a dot of background
    // on pixel (0, 0), which no stripe covers.
    for (int i = 0; i < 2500; ++i) {
        stripeTimeBar(moved.bar);
        moved.bar.line(0, 0, 1, 0, kFace);
    }
    EXPECT_LE(moved.board.rememberedSteps(), 2048u);
    EXPECT_LE(moved.bar.rememberedSteps(), 2048u);
    moved.moveTo(2);
    EXPECT_TRUE(moved.board.image() == there.board.image());
    EXPECT_TRUE(moved.bar.image() == there.bar.image());

    // Tiles whose sheet no longer exists are left out.
    Canvas board(kGridWidthPx, kGridHeightPx, kTwipsPerPixel, kFace, Canvas::Layout::Cells);
    drawTile(board, Screen(1).sheet, 3, 3, 7);
    board.setScale(2);
    EXPECT_EQ(board.pixel(3 * 34 + 17, 3 * 34 + 17), kFace);
}

}  // namespace
}  // namespace mepo
