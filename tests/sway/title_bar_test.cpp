// The window on sway, which draws the title bar of every window that leaves
// the choice to it: the game's window and its message boxes show sway's
// title bar and draw none of their own, as sway itself reports.
#include <gtest/gtest.h>

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QWindow>

#include "flow/difficulty.h"
#include "support/desktop.h"
#include "support/modal_closer.h"
#include "support/settle.h"
#include "support/window_parts.h"
#include "ui/form1.h"
#include "ui/toolkit/menu_item.h"

namespace mepo {

using test::settle;

namespace {

// The windows of this process as sway holds them (its tree, through swaymsg).
std::vector<QJsonObject> swayWindows() {
    QProcess swaymsg;
    swaymsg.start(QStringLiteral("swaymsg"), {QStringLiteral("-r"), QStringLiteral("-t"), QStringLiteral("get_tree")});
    if (!swaymsg.waitForFinished(5000)) return {};
    std::vector<QJsonObject> found;
    std::function<void(const QJsonObject&)> walk = [&](const QJsonObject& node) {
        if (node.value(QStringLiteral("pid")).toInteger() == QCoreApplication::applicationPid()) found.push_back(node);
        for (const char* kids : {"nodes", "floating_nodes"})
            for (const QJsonValue& kid : node.value(QLatin1String(kids)).toArray()) walk(kid.toObject());
    };
    walk(QJsonDocument::fromJson(swaymsg.readAllStandardOutput()).object());
    return found;
}

// Sway's word on a window of that size: it draws the title bar itself
// ("normal"; "csd" where the window draws its own, "none" for no title bar
// at all), above the window's own picture.
std::string titleBarOf(QSize window) {
    for (const QJsonObject& w : swayWindows()) {
        const QJsonObject g = w.value(QStringLiteral("geometry")).toObject();
        if (QSize(g.value(QStringLiteral("width")).toInt(), g.value(QStringLiteral("height")).toInt()) != window)
            continue;
        const int bar = w.value(QStringLiteral("deco_rect")).toObject().value(QStringLiteral("height")).toInt();
        return w.value(QStringLiteral("border")).toString().toStdString() + (bar > 0 ? ", a bar" : ", no bar");
    }
    return "no window of that size";
}

const std::string kSwaysBar = "normal, a bar";

bool drawsNoTitleBar(const QWidget& w) {
    return w.contentsMargins().isNull() && !w.findChild<QWidget*>(QStringLiteral("titleBar"));
}

}  // namespace

TEST(Sway, DrawsTheTitleBarsAndTheGameNone) {
    test::ModalCloser boxes;
    const std::unique_ptr<Desktop> desktop = test::makeDesktop();
    Form1 form(*desktop, {});
    form.show();
    ASSERT_TRUE(settle([&] { return form.windowHandle()->isExposed(); }, 10000));
    EXPECT_TRUE(drawsNoTitleBar(form));
    std::string bar;
    EXPECT_TRUE(settle([&] { return (bar = titleBarOf(form.size())) == kSwaysBar; }, 5000)) << bar;

    // A message box: a window of its own, with sway's title bar too.
    bool boxPlain = false;
    std::string boxBar;
    boxes.whileOpen = [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box || !settle([&] { return box->windowHandle() && box->windowHandle()->isExposed(); }, 5000)) return;
        boxPlain = drawsNoTitleBar(*box);
        settle([&] { return (boxBar = titleBarOf(box->size())) == kSwaysBar; }, 5000);
    };
    test::partOf<MenuItem>(form, "help")->click();
    ASSERT_EQ(boxes.seen().size(), 1u);
    EXPECT_TRUE(boxPlain);
    EXPECT_EQ(boxBar, kSwaysBar);

    // A difficulty maps the window afresh: the new window asks again, and
    // sway draws its title bar again.
    test::partOf<MenuItem>(form, "meuHigh")->click();
    const DifficultySize high = difficultySize(Difficulty::High);
    const QSize client(std::lround((high.width - 115) / 15), std::lround((high.height - 690) / 15));
    ASSERT_TRUE(settle([&] { return form.remaps() == 1 && form.windowHandle()->isExposed(); }, 10000));
    EXPECT_EQ(form.client()->size(), client);
    EXPECT_TRUE(settle([&] { return (bar = titleBarOf(form.size())) == kSwaysBar; }, 5000)) << bar;
}

}  // namespace mepo
