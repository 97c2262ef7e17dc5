// A label that sizes itself to its caption and grows to the right from its
// left edge. Its accessible name is its caption.
#pragma once

#include <QLabel>
#include <string>

#include "widget_control.h"

namespace mepo {

class Label : public QLabel, public WidgetControl {
public:
    Label(std::string name, QWidget* parent);

    std::string caption() const { return text().toStdString(); }
    void setCaption(const std::string& text);

protected:
    double naturalWidth() const override;
    double naturalHeight() const override;
    std::optional<double> fontSize() const override { return font().pointSizeF(); }
    bool setFontSize(double points) override;
};

}  // namespace mepo
