// Test main for the window on a real X server with a window manager (run
// through on_xvfb): the platform where resizes and moves are asynchronous.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>

#include "ui/toolkit/fonts.h"
#include "x_server.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qgetenv("DISPLAY").isEmpty()) {
        std::fprintf(stderr, "no X display: run through tests/x11/on_xvfb\n");
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    mepo::installChineseFontFallbacks();
    if (!mepo::test::waitForWindowManager()) {
        std::fprintf(stderr, "no window manager came up on the display\n");
        return 1;
    }
    return RUN_ALL_TESTS();
}
