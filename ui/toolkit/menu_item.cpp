#include "menu_item.h"

namespace mepo {

MenuItem::MenuItem(Kind kind, std::string name, const std::string& caption, int index)
    : Control(std::move(name)), index_(index) {
    const QString text = QString::fromStdString(caption);
    if (kind == Menu) {
        menu_ = std::make_unique<QMenu>(text);
        action_ = menu_->menuAction();
        action_->setObjectName(QString::fromStdString(this->name()));
        return;
    }
    separator_ = caption == "-";
    ownAction_ = std::make_unique<QAction>(separator_ ? QString() : text);
    action_ = ownAction_.get();
    action_->setSeparator(separator_);
    action_->setObjectName(QString::fromStdString(this->name()));
    connectClick();
}

MenuItem::~MenuItem() = default;

void MenuItem::connectClick() {
    QObject::connect(action_, &QAction::triggered, [this] {
        if (onClick) onClick(index_);
    });
}

std::string MenuItem::caption() const { return separator_ ? "-" : action_->text().toStdString(); }

void MenuItem::setCaption(const std::string& c) {
    if (!separator_) action_->setText(QString::fromStdString(c));
}

void MenuItem::setChecked(bool on) {
    action_->setCheckable(on);
    action_->setChecked(on);
}

std::optional<double> MenuItem::get(Prop p) const {
    if (p == Prop::Visible) return action_->isVisible() ? 1.0 : 0.0;
    return std::nullopt;
}

bool MenuItem::set(Prop p, double v) {
    if (p != Prop::Visible) return false;
    if (action_->isVisible() != (v != 0)) action_->setVisible(v != 0);
    return true;
}

}  // namespace mepo
