// The Wayland window's wait for its frame to be answered before it is
// mapped afresh, tried on plain windows offscreen.
#include <gtest/gtest.h>

#include <QTest>
#include <QWindow>

#include "support/settle.h"
#include "ui/desktop/wayland/after_frame.h"

namespace mepo {

TEST(AfterFrame, WorkWaitsForTheWindowsUpdateAndOnlyTheLatestRuns) {
    QWindow window;
    window.resize(200, 100);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    AfterFrame after(60000);  // no fallback within the test
    int first = 0, second = 0;
    bool updated = false;
    after.run(window, [&] { ++first; });
    after.run(window, [&] {
        ++second;
        updated = true;
    });
    EXPECT_EQ(second, 0) << "ran before the window's update came";
    EXPECT_TRUE(after.waiting());
    ASSERT_TRUE(test::settle([&] { return updated; }, 10000));
    // Later updates of the window run nothing more.
    window.requestUpdate();
    test::settle([] { return false; }, 100);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 1);
    EXPECT_FALSE(after.waiting());
}

TEST(AfterFrame, WorkRunsAllTheSameWhenNoUpdateComes) {
    QWindow never;  // never shown: it gets no update
    AfterFrame after(50);
    int ran = 0;
    after.run(never, [&] { ++ran; });
    ASSERT_TRUE(test::settle([&] { return ran > 0; }, 10000));
    test::settle([] { return false; }, 150);
    EXPECT_EQ(ran, 1);
}

}  // namespace mepo
