#include "menu_keys.h"

#include <QApplication>
#include <QActionEvent>
#include <QKeyEvent>
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

// Esc in one of the window's menus: the menu closes as it always does,
// leaving its title lit on the menu bar, which takes the keyboard; a second
// Esc, on the bar, hands the keyboard back to the widget that had it. It
// watches each menu as it joins the bar.
class MenuEscape : public QObject {
public:
    explicit MenuEscape(QMenuBar& bar) : QObject(&bar), bar_(bar) { bar_.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched == &bar_ && e->type() == QEvent::ActionAdded)
            if (QMenu* menu = static_cast<QActionEvent*>(e)->action()->menu()) menu->installEventFilter(this);
        if (e->type() != QEvent::KeyPress || handing_) return false;
        const auto& key = static_cast<const QKeyEvent&>(*e);
        if (key.key() != Qt::Key_Escape || key.modifiers() != Qt::NoModifier || !isBarsMenu(watched)) return false;
        handing_ = true;
        QCoreApplication::sendEvent(watched, e);
        handing_ = false;
        if (!QApplication::activePopupWidget() && bar_.hasFocus()) {
            QKeyEvent again(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(&bar_, &again);
            // Nothing had the keyboard before (the board is off before the
            // first deal): the bar leaves it all the same.
            if (bar_.hasFocus()) bar_.clearFocus();
        }
        return true;
    }

private:
    bool isBarsMenu(QObject* o) const {
        auto* menu = qobject_cast<QMenu*>(o);
        return menu && bar_.actions().contains(menu->menuAction());
    }

    QMenuBar& bar_;
    bool handing_ = false;  // the Esc being handed on to its menu
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

    new MenuEscape(*window.menuBar());
}

}  // namespace mepo
