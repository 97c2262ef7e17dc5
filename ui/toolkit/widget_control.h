// A control that is a widget: its geometry is kept in twips exactly as set
// (single precision) and shown at the nearest whole pixel.
#pragma once

#include <QWidget>

#include "control.h"
#include "twips.h"

namespace mepo {

class WidgetControl : public Control {
public:
    WidgetControl(std::string name, QWidget& widget) : Control(std::move(name)), widget_(widget) {}

    std::optional<double> get(Prop p) const override;
    bool set(Prop p, double v) override;
    // All four at once, shown with one change of the widget's geometry.
    bool move(double left, double top, double width, double height) override;

    // Geometry in twips, as the game sets it; the widget's own x(), width()
    // and so on stay in pixels.
    double leftTwips() const { return left_; }
    double topTwips() const { return top_; }
    double widthTwips() const { return *get(Prop::Width); }
    double heightTwips() const { return *get(Prop::Height); }

protected:
    // Widgets whose size follows their content override these.
    virtual double naturalWidth() const { return width_; }
    virtual double naturalHeight() const { return height_; }
    virtual std::optional<double> fontSize() const { return std::nullopt; }
    virtual bool setFontSize(double) { return false; }
    void place();

    QWidget& widget_;
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

}  // namespace mepo
