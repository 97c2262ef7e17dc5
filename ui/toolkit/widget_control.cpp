#include "widget_control.h"

#include <algorithm>
#include <cmath>

namespace mepo {

std::optional<double> WidgetControl::get(Prop p) const {
    switch (p) {
    case Prop::Left: return left_;
    case Prop::Top: return top_;
    case Prop::Width: return naturalWidth();
    case Prop::Height: return naturalHeight();
    case Prop::FontSize: return fontSize();
    case Prop::Visible: return widget_.isHidden() ? 0.0 : 1.0;
    }
    return std::nullopt;
}

// Stores one geometry value as the control keeps it (single precision);
// refuses what no control can take.
static bool store(float& slot, double v, bool isSize) {
    if (!std::isfinite(v) || (isSize && v < 0)) return false;
    slot = static_cast<float>(v);
    return true;
}

bool WidgetControl::set(Prop p, double v) {
    switch (p) {
    case Prop::Left: if (!store(left_, v, false)) return false; break;
    case Prop::Top: if (!store(top_, v, false)) return false; break;
    case Prop::Width: if (!store(width_, v, true)) return false; break;
    case Prop::Height: if (!store(height_, v, true)) return false; break;
    case Prop::FontSize: return std::isfinite(v) && setFontSize(v);
    case Prop::Visible: widget_.setVisible(v != 0); return true;
    }
    place();
    return true;
}

bool WidgetControl::move(double left, double top, double width, double height) {
    bool ok = store(left_, left, false);
    ok = store(top_, top, false) && ok;
    ok = store(width_, width, true) && ok;
    ok = store(height_, height, true) && ok;
    place();
    return ok;
}

void WidgetControl::place() {
    widget_.setGeometry(toPx(left_), toPx(top_), toPx(naturalWidth()), toPx(naturalHeight()));
}

}  // namespace mepo
