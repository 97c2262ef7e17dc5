// The yardstick for the game's start-up: a plain Qt window with the same
// shell as the game and nothing else. Same caption, the same three menus,
// the three labels in the same fonts (with the same Chinese font stand-ins)
// at their design places, the same client area of 499 x 474 pixels below
// the menu bar, centred on the screen. No board, no images, no game.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <initializer_list>

#include "ui/toolkit/fonts.h"

namespace {

QFont labelFont(const char* family, double points, bool bold) {
    QFont f(QString::fromUtf8(family));
    f.setPointSizeF(points);
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    return f;
}

// A label at a place given in twips (15 to the pixel), sized to its text.
void addLabel(QWidget* parent, const char* text, const QFont& font, int leftTwips, int topTwips) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->adjustSize();
    label->move(leftTwips / 15, topTwips / 15);
}

// A menu of the menu bar; "-" is a separator.
void addMenu(QMenuBar* bar, const char* title, std::initializer_list<const char*> items) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(title));
    for (const char* item : items) {
        if (QString::fromUtf8(item) == QStringLiteral("-"))
            menu->addSeparator();
        else
            menu->addAction(QString::fromUtf8(item));
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    mepo::installChineseFontFallbacks();

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Mepo(Tazu造型版)"));
    QMenuBar* bar = window.menuBar();
    addMenu(bar, "游戏", {"开始游戏", "-", "暂停", "继续", "放弃", "-", "退出"});
    addMenu(bar, "设置", {"初级", "中级", "高级"});
    addMenu(bar, "帮助",
            {"使用说明", "-", "软件主页..", "Sorrel主页...", "Where To Buy...", "-", "关于Mepo(Tazu造型版)"});

    auto* client = new QWidget;
    window.setCentralWidget(client);
    addLabel(client, "得分:0", labelFont("宋体", 10.5, true), 120, 120);
    addLabel(client, "剩余时间:180秒", labelFont("宋体", 10.5, true), 5760, 120);
    addLabel(client, "现在是第0关", labelFont("幼圆", 15.75, false), 2880, 0);

    // The game's design client area: 7485 x 7110 twips.
    window.resize(499, 474 + bar->sizeHint().height());
    const QRect screen = window.screen()->geometry();
    window.move(screen.x() + (screen.width() - window.width()) / 2,
                screen.y() + (screen.height() - window.height()) / 2);
    window.show();
    return app.exec();
}
