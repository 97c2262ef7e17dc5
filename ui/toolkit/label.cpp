#include "label.h"

#include <cmath>

namespace mepo {

Label::Label(std::string name, QWidget* parent) : QLabel(parent), WidgetControl(std::move(name), *this) {
    setObjectName(QString::fromStdString(this->name()));
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void Label::setCaption(const std::string& text) {
    const QString words = QString::fromStdString(text);
    setText(words);
    // A screen reader reads the caption as it stands: the score, the time
    // left, the level.
    setAccessibleName(words);
    place();
}

double Label::naturalWidth() const { return sizeHint().width() * kTwips; }
double Label::naturalHeight() const { return sizeHint().height() * kTwips; }

bool Label::setFontSize(double points) {
    if (!(points > 0) || !std::isfinite(points)) return false;
    QFont f = font();
    f.setPointSizeF(points);
    setFont(f);
    place();
    return true;
}

}  // namespace mepo
