// Start-up and the proportional layout: every control is laid out again
// from its design record whenever the client area changes size, so any
// number of resizes leaves no drift.
#include <cmath>

#include "flow/countdown.h"
#include "form1.h"

namespace mepo {

void Form1::Form_Load() {
    st.picked = kFalse;
    st.cols = 12;
    st.rows = 10;
    st.level = 1;
    rng.reseed(secondsOfTimeOfDay());
    st.designW = static_cast<int32_t>(std::lround(clientWidth()));
    st.designH = static_cast<int32_t>(std::lround(clientHeight()));

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

void Form1::Form_Resize() {
    if (st.designW <= 0 || st.designH <= 0) return;
    const double kx = clientWidth() / st.designW;
    const double ky = clientHeight() / st.designH;
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
    if (st.timeTotal > 0) Picture3->set(Prop::Width, timeBarWidth(st, outerWidth()));

    // A difficulty command centres the window: horizontally on the screen,
    // vertically in the screen height less 245 twips.
    if (st.sizing == 1) centreOnScreen(245);
}

}  // namespace mepo
