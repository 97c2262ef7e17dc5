// Start-up and the proportional layout: every control is laid out again
// from its design record whenever the client area changes size, so any
// number of resizes leaves no drift.
#include <cmath>

#include "form1.h"
#include "ui/toolkit/picture_box.h"

namespace mepo {

namespace {
constexpr double kTimeBarDesignWidth = 7215;  // twips
}  // namespace

void Form1::Form_Load() {
    // The game's start: the small board, level 1, nothing picked, the seed.
    session_.Form_Load();
    designW = static_cast<int32_t>(std::lround(clientWidth()));
    designH = static_cast<int32_t>(std::lround(clientHeight()));

    // The design record of every control; menu items and timers have no
    // geometry and keep an empty one.
    for (Control* c : controls_) {
        const auto l = c->get(Prop::Left), t = c->get(Prop::Top);
        const auto w = c->get(Prop::Width), h = c->get(Prop::Height);
        if (!l || !t || !w || !h) continue;
        Record r;
        r.empty = false;
        r.numbers = {*l, *t, *w, *h, c->get(Prop::FontSize).value_or(0)};
        c->tag() = r;
    }
}

double Form1::timeBarWidth(double share) const {
    if (designW <= 0) return 0;
    return share * kTimeBarDesignWidth * (outerWidth() / designW);
}

void Form1::Form_Resize() {
    if (designW <= 0 || designH <= 0) return;
    const double kx = clientWidth() / designW;
    const double ky = clientHeight() / designH;
    const double kf = kx < ky ? kx : ky;

    // What a control cannot do (a menu item has no place, a picture box no
    // font) it refuses, and the next step goes on.
    for (Control* c : controls_) {
        const auto visible = c->get(Prop::Visible);
        if (visible) c->set(Prop::Visible, 0);
        const auto& v = c->tag().numbers;
        c->move(kx * v[0], ky * v[1], kx * v[2], ky * v[3]);
        c->set(Prop::FontSize, kf * v[4]);
        if (visible) c->set(Prop::Visible, *visible);
    }

    // The time bar shows the time left at its new width, whenever the
    // resize comes: the layout has just given it the whole width. (Before
    // the first deal there is no game, and it stays whole.)
    if (session_.clock().timeTotal > 0) Picture3->set(Prop::Width, timeBarWidth(timeShare(session_.clock())));

    // A difficulty command centres the window: horizontally on the screen,
    // vertically in the screen height less 245 twips.
    if (sizing == 1) centreOnScreen(245);
}

}  // namespace mepo
