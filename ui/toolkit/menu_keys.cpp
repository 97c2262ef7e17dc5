#include "menu_keys.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QShortcut>
#include <QStyleOptionMenuItem>

namespace mepo {

namespace {

QAction* firstEnabled(const QList<QAction*>& actions) {
    for (QAction* a : actions)
        if (a->isEnabled() && a->isVisible() && !a->isSeparator()) return a;
    return nullptr;
}

void openFirstMenu(QMainWindow& window) {
    QMenuBar* bar = window.menuBar();
    QAction* title = firstEnabled(bar->actions());
    if (!title) return;
    bar->setActiveAction(title);  // opens its menu
    // Its first item lit, ready for Enter, as when the menu bar opens a
    // menu from the keyboard.
    if (QMenu* menu = title->menu(); menu && menu->isVisible())
        if (QAction* item = firstEnabled(menu->actions())) menu->setActiveAction(item);
}

// The menu bar's own look, but its title under the keyboard lit as when its
// menu is open: the style of the desktop shows nothing for it.
class MenuBarStyle : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (element == CE_MenuBarItem && widget && widget->hasFocus() && (option->state & State_Selected)) {
            if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
                QStyleOptionMenuItem lit = *item;
                lit.state |= State_Sunken;
                QProxyStyle::drawControl(element, &lit, painter, widget);
                return;
            }
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

}  // namespace

void installMenuKeys(QMainWindow& window) {
    // A lone Alt: the menu bar takes the keyboard itself where the style
    // allows it (and it does on this desktop's styles); it only has to show it.
    auto* style = new MenuBarStyle;
    style->setParent(window.menuBar());
    window.menuBar()->setStyle(style);

    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), &window);
    f10->setContext(Qt::WindowShortcut);
    QObject::connect(f10, &QShortcut::activated, &window, [&window] { openFirstMenu(window); });
}

}  // namespace mepo
