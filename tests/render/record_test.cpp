// What a canvas remembers of its drawing: copies drawn again from their own
// source after many deals, and a cover painted again only when something
// was drawn over it.
#include <gtest/gtest.h>

#include "render/geometry.h"
#include "render/stripes.h"

namespace mepo {
namespace {

constexpr QRgb kFace = qRgb(240, 240, 240);

// A source of 40 x 40 pixels: four boxes of its own colours.
struct Source {
    Source(int shade, double scale) {
        canvas.setScale(scale);
        for (int k = 0; k < 4; ++k)
            canvas.fillBox(10 * k, 0, 10 * k + 9, 39, qRgb(shade, 60 * k, 255 - shade));
    }
    Canvas canvas{40, 40, 1, kFace};
};

// Copies into ten places, first from a, then from b and c in turn, each
// place copied over again and again (the last two only in the first 900
// rounds, before the first steps are forgotten): the copies from a all end
// hidden.
void copyRounds(Canvas& to, const Source& a, const Source& b, const Source& c) {
    for (int round = 0; round < 1500; ++round) {
        const Source& from = round < 100 ? a : round % 2 ? b : c;
        const int place = round < 900 ? round % 10 : round % 8;
        to.copyFrom(from.canvas, place, round % 3, 30, 30, 40 * place, 0);
        to.line(40 * place, 35, 40 * place + 1 + round % 30, 35, qRgb(round % 256, 0, 0));
    }
}

TEST(Record, CopiesDrawnAgainFromTheirOwnSourceAfterMuchIsForgotten) {
    Source a(10, 1), b(120, 1), c(230, 1);
    Canvas moved(400, 40, 1, kFace);
    copyRounds(moved, a, b, c);
    EXPECT_LT(moved.rememberedSteps(), 1500u);  // hidden ones forgotten

    const Source a2(10, 2), b2(120, 2), c2(230, 2);
    Canvas there(400, 40, 1, kFace);
    there.setScale(2);
    copyRounds(there, a2, b2, c2);
    for (Source* s : {&a, &b, &c}) s->canvas.setScale(2);
    moved.setScale(2);
    EXPECT_TRUE(moved.image() == there.image());
}

// The time bar striped, something drawn over it, striped again: the stripes
// show whole again, as on a bar striped once.
TEST(Record, StripesPaintedAgainOverWhatWasDrawnOnThem) {
    for (double scale : {1.0, 1.25, 2.0}) {
        Canvas once(300, 25, 1, kFace), again(300, 25, 1, kFace);
        once.setScale(scale);
        again.setScale(scale);
        stripeTimeBar(once);
        stripeTimeBar(again);
        again.fillBox(10, 5, 80, 20, qRgb(0, 200, 0));
        stripeTimeBar(again);
        EXPECT_TRUE(again.image() == once.image()) << scale;
        // Narrowed as the clock runs, then whole again at a deal.
        again.setBox({40, 25});
        stripeTimeBar(again);
        again.setBox({300, 25});
        stripeTimeBar(again);
        EXPECT_TRUE(again.image() == once.image()) << scale;
    }
}

}  // namespace
}  // namespace mepo
