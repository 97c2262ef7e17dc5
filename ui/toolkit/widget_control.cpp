#include "widget_control.h"

#include <cmath>

namespace mepo {

static int px(double twips) { return static_cast<int>(std::lround(twips / kTwips)); }

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

bool WidgetControl::set(Prop p, double v) {
    if (!std::isfinite(v)) return false;
    switch (p) {
    case Prop::Left: left_ = static_cast<float>(v); break;
    case Prop::Top: top_ = static_cast<float>(v); break;
    case Prop::Width:
        if (v < 0) return false;
        width_ = static_cast<float>(v);
        break;
    case Prop::Height:
        if (v < 0) return false;
        height_ = static_cast<float>(v);
        break;
    case Prop::FontSize: return setFontSize(v);
    case Prop::Visible: widget_.setVisible(v != 0); return true;
    }
    place();
    return true;
}

void WidgetControl::place() {
    widget_.setGeometry(px(left_), px(top_), px(naturalWidth()), px(naturalHeight()));
}

}  // namespace mepo
