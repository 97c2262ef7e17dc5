// Test main for the window on a real Wayland compositor, where Qt runs on
// its native Wayland platform: run through the script that starts the
// compositor (MEPO_RUNNER), which hands the program the variable
// MEPO_RUNNER_VARIABLE besides WAYLAND_DISPLAY. Shared by the programs of
// tests/wayland (on_compositor) and tests/sway (on_sway).
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>
#include <cstring>

#include "support/desktop.h"
#include "ui/toolkit/fonts.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qgetenv("WAYLAND_DISPLAY").isEmpty() || qgetenv(MEPO_RUNNER_VARIABLE).isEmpty()) {
        std::fprintf(stderr, "no Wayland compositor: run through %s\n", MEPO_RUNNER);
        return 1;
    }
    mepo::test::beforeQt = mepo::Desktop::beforeQt();  // as the game's own start does
    QApplication app(argc, argv);
    if (std::strcmp(mepo::test::makeDesktop()->name(), "wayland") != 0) {
        std::fprintf(stderr, "the game did not choose its Wayland desktop\n");
        return 1;
    }
    mepo::installChineseFontFallbacks();
    return RUN_ALL_TESTS();
}
