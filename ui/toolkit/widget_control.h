// A control that is a widget: its geometry is kept in twips exactly as set
// (single precision) and shown at the nearest whole pixel.
#pragma once

#include <QWidget>

#include "control.h"

namespace mepo {

inline constexpr double kTwips = 15;  // twips to a pixel

class WidgetControl : public Control {
public:
    WidgetControl(std::string name, QWidget& widget) : Control(std::move(name)), widget_(widget) {}

    std::optional<double> get(Prop p) const override;
    bool set(Prop p, double v) override;

    double left() const { return left_; }
    double top() const { return top_; }
    double width() const { return *get(Prop::Width); }
    double height() const { return *get(Prop::Height); }

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
