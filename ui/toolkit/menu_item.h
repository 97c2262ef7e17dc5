// A menu item (or a whole menu, or a separator): caption, enabled state,
// check mark and visibility. Items of a menu array carry their index, which
// the click handler receives.
#pragma once

#include <QAction>
#include <QMenu>
#include <functional>
#include <memory>
#include <string>

#include "control.h"

namespace mepo {

class MenuItem : public Control {
public:
    // A plain item (a separator when the caption is "-": a real separator
    // line, which keeps "-" as its caption), or a menu holding other items,
    // whose own action shows it in the menu bar.
    enum Kind { Item, Menu };
    MenuItem(Kind kind, std::string name, const std::string& caption, int index = 0);
    // The item's action carries its name, by which a test finds it.
    ~MenuItem() override;

    QAction* action() const { return action_; }
    QMenu* menu() const { return menu_.get(); }
    int index() const { return index_; }

    std::string caption() const;
    void setCaption(const std::string& c);
    bool enabled() const { return action_->isEnabled(); }
    void setEnabled(bool on) { action_->setEnabled(on); }
    bool checked() const { return action_->isChecked(); }
    // Only a checked item shows a mark; an unchecked one shows nothing at all.
    void setChecked(bool on);

    // Handler of a click; receives the index of the item in its menu array.
    std::function<void(int index)> onClick;
    void click() { action_->trigger(); }

    std::optional<double> get(Prop p) const override;
    bool set(Prop p, double v) override;

private:
    void connectClick();
    std::unique_ptr<QMenu> menu_;
    std::unique_ptr<QAction> ownAction_;
    QAction* action_ = nullptr;
    int index_ = 0;
    bool separator_ = false;
};

}  // namespace mepo
