// Test main for the window on sway (run through tests/sway/on_sway), where
// Qt runs on its native Wayland platform and the compositor offers to draw
// the title bars.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>
#include <cstring>

#include "ui/desktop/desktop.h"
#include "ui/toolkit/fonts.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qgetenv("WAYLAND_DISPLAY").isEmpty() || qgetenv("SWAYSOCK").isEmpty()) {
        std::fprintf(stderr, "no sway: run through tests/sway/on_sway\n");
        return 1;
    }
    mepo::Desktop::beforeQt();  // as the game's own start does
    QApplication app(argc, argv);
    if (std::strcmp(mepo::Desktop::current().name(), "wayland") != 0) {
        std::fprintf(stderr, "the game did not choose its Wayland desktop\n");
        return 1;
    }
    mepo::installChineseFontFallbacks();
    return RUN_ALL_TESTS();
}
