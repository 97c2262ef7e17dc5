// A difficulty centres the window on the monitor that holds it, whichever
// that is: right of the first, below it, of another size or density.
#include <gtest/gtest.h>

#include <QTest>

#include "screens/screens.h"
#include "support/modal_closer.h"
#include "support/settle.h"
#include "support/desktop.h"
#include "support/window_parts.h"
#include "ui/form1.h"

namespace mepo {

namespace {

// Where the rule puts a frame of that size on a monitor: centred across,
// and down in the monitor's height less what is kept free at its bottom,
// inside the free area.
QPoint centredOn(const QScreen& s, QSize frame, double bottomTwips = 245) {
    const QRect g = s.geometry(), area = s.availableGeometry();
    QPoint p(g.left() + qRound((g.width() - frame.width()) / 2.0),
             g.top() + qRound((g.height() - bottomTwips / 15.0 - frame.height()) / 2.0));
    p.setX(std::max(std::min(p.x(), area.right() + 1 - frame.width()), area.left()));
    p.setY(std::max(std::min(p.y(), area.bottom() + 1 - frame.height()), area.top()));
    return p;
}

std::string where(const QWidget& w) {
    const QRect f = w.frameGeometry();
    return std::to_string(f.width()) + "x" + std::to_string(f.height()) + "+" + std::to_string(f.x()) + "+" +
           std::to_string(f.y()) + " on " + w.screen()->name().toStdString();
}

}  // namespace

TEST(Monitors, ADifficultyCentresTheWindowOnTheMonitorThatHoldsIt) {
    test::ModalCloser boxes;
    const std::unique_ptr<Desktop> desktop = test::makeDesktop();
    Form1 form(*desktop, {});
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    // First shown centred on the monitor Qt gives it, nothing kept below.
    EXPECT_LE((form.frameGeometry().topLeft() - centredOn(*form.screen(), form.frameGeometry().size(), 0))
                  .manhattanLength(),
              2)
        << where(form);

    for (const test::MonitorShape* shape : {&test::kRightScreen, &test::kLowerScreen}) {
        QScreen* monitor = test::screenNamed(*shape);
        ASSERT_NE(monitor, nullptr) << shape->name;
        // Dragged there by the player.
        form.move(monitor->geometry().topLeft() + QPoint(40, 30));
        ASSERT_TRUE(test::settle([&] { return form.screen() == monitor; }, 2000)) << where(form);
        for (MenuItem* item : {test::partOf<MenuItem>(form, "meuHigh"), test::partOf<MenuItem>(form, "meuMiddle"),
                                test::partOf<MenuItem>(form, "meuBase")}) {
            item->click();
            QTest::qWait(20);
            const QRect frame = form.frameGeometry();
            const QPoint want = centredOn(*monitor, frame.size());
            EXPECT_LE((frame.topLeft() - want).manhattanLength(), 2)
                << item->caption() << " on " << shape->name << ": " << where(form) << ", wanted +" << want.x() << "+"
                << want.y();
            EXPECT_TRUE(monitor->availableGeometry().contains(frame)) << item->caption() << ": " << where(form);
            EXPECT_EQ(form.screen(), monitor) << item->caption();
        }
    }
}

}  // namespace mepo
