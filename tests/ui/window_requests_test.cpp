// The window's requests that wait for a quiet moment: never while a handler
// runs or a message box is open.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "session/handler_gate.h"
#include "support/desktop.h"
#include "support/modal_closer.h"
#include "support/settle.h"
#include "ui/desktop/wayland/wayland_placement.h"
#include "ui/toolkit/handler_rule.h"
#include "ui/toolkit/message_box.h"

namespace mepo {

namespace {

// The game's rule for its handlers, as a session keeps it.
HandlerRule ruleOf(HandlerGate& gate) {
    return {[&gate] { return gate.running(); }, [&gate](std::function<void()> work) { gate.run(std::move(work)); }};
}

Placement::Handlers gameHandlers(HandlerGate& gate, QObject* window) {
    const HandlerRule rule = ruleOf(gate);
    return {rule.running, rule.run, [rule, window](std::function<void()> work) { whenQuiet(window, rule, std::move(work)); }};
}

// A main window of 300 x 200 pixels with a client area, shown.
struct ShownWindow : ::testing::Test {
    void SetUp() override {
        window.setCentralWidget(new QWidget);
        window.resize(300, 200);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    HandlerGate gate;
    std::unique_ptr<Desktop> desktop = test::makeDesktop();
    QMainWindow window;
};

struct Resizes : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        count += e->type() == QEvent::Resize;
        return false;
    }
};

}  // namespace

// What a handler asks of the window is made once it has finished, in one
// request, by the last of its asks: the window never passes through a size
// asked on the way, and a centring goes by the size asked after it.
TEST_F(ShownWindow, AHandlersAsksAreMadeOnceItHasFinishedByTheLastOfThem) {
    const std::unique_ptr<Placement> placement = desktop->placementFor(window, gameHandlers(gate, &window));
    Resizes resizes;
    window.installEventFilter(&resizes);
    const QSize before = window.size();
    {
        HandlerGate::Scope command(gate);
        placement->askClient(QSize(250, 150));
        placement->askCentred(20);
        placement->askClient(QSize(420, 260));
        placement->askPlace(std::nullopt, 30);
        EXPECT_EQ(window.size(), before);
        EXPECT_EQ(placement->clientSize(), QSize(420, 260));
    }
    ASSERT_TRUE(test::settle([&] { return window.size() == QSize(420, 260); }, 2000));
    QTest::qWait(50);
    EXPECT_EQ(resizes.count, 1);
    // Centred across by the last size, then moved to the top asked for.
    const QRect screen = window.screen()->geometry(), frame = window.frameGeometry();
    EXPECT_LE(std::abs(frame.left() - (screen.width() - frame.width()) / 2), 1) << frame.left();
    EXPECT_EQ(frame.top(), 30);
}

TEST_F(ShownWindow, ARemapWaitsUntilTheBoxOpenedAfterItIsClosed) {
    WaylandPlacement placement(window, gameHandlers(gate, &window));
    test::ModalCloser boxes;
    int remapsWhileOpen = -1;
    bool parentShownWhileOpen = false;
    boxes.whileOpen = [&] {
        QTest::qWait(100);  // the event loop of the box runs meanwhile
        remapsWhileOpen = placement.remaps();
        parentShownWhileOpen = window.isVisible();
    };
    // A difficulty asks for a new size; the handler that runs next (a tick
    // that times the game out) opens a box before the request is due.
    {
        HandlerGate::Scope command(gate);
        placement.askClient(QSize(420, 260));
    }
    {
        HandlerGate::Scope tick(gate);
        showMessage(&window, "对不起，时间到了!你的最后得分:0", *desktop);
    }
    EXPECT_EQ(remapsWhileOpen, 0);
    EXPECT_TRUE(parentShownWhileOpen);
    ASSERT_TRUE(test::settle([&] { return placement.remaps() == 1; }, 2000));
    EXPECT_TRUE(test::settle([&] { return window.isVisible() && window.size() == QSize(420, 260); }, 2000));
}

TEST(WindowRequests, WhenQuietWaitsForTheHandlerAndForgetsAGoneWindow) {
    HandlerGate gate;
    const HandlerRule rule = ruleOf(gate);
    std::vector<int> order;
    {
        HandlerGate::Scope handler(gate);
        QObject context;
        whenQuiet(&context, rule, [&] { order.push_back(99); });  // its window is gone first
    }
    auto* context = new QObject;
    {
        HandlerGate::Scope handler(gate);
        whenQuiet(context, rule, [&] { order.push_back(gate.running() ? 1 : 0); });
        QCoreApplication::processEvents();  // inside the handler: not yet
        order.push_back(-1);
    }
    ASSERT_TRUE(test::settle([&] { return order.size() == 2; }, 2000));
    QTest::qWait(20);
    EXPECT_EQ(order, (std::vector<int>{-1, 1}));  // after the handler, in a scope of its own
    delete context;
}

// Qt's own title bars are off for the game's whole run, and painting through
// shared memory on X11, but a program the game starts (a web browser) never
// inherits that.
TEST(WindowRequests, ProgramsTheGameStartsDoNotInheritWhatTheGameSetForItself) {
    const std::unique_ptr<Desktop> desktop = test::makeDesktop();
    EXPECT_FALSE(desktop->environmentIsThePlayers());
    EXPECT_EQ(qgetenv("QT_XCB_NO_MITSHM"), "1");
#if MEPO_WAYLAND
    ASSERT_TRUE(qEnvironmentVariableIsSet("QT_WAYLAND_DISABLE_WINDOWDECORATION"));
#else
    // Built without the Wayland desktop: Qt keeps its own title bars there.
    EXPECT_FALSE(qEnvironmentVariableIsSet("QT_WAYLAND_DISABLE_WINDOWDECORATION"));
#endif
    const QProcessEnvironment programs = desktop->environmentForPrograms();
    EXPECT_FALSE(programs.contains(QStringLiteral("QT_WAYLAND_DISABLE_WINDOWDECORATION")));
    EXPECT_FALSE(programs.contains(QStringLiteral("QT_XCB_NO_MITSHM")));
}

}  // namespace mepo
