// Test main for the window on a real Wayland compositor (run through
// tests/wayland/on_compositor), where Qt runs on its native Wayland platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>

#include "ui/toolkit/fonts.h"
#include "ui/desktop/wayland_decorations.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qgetenv("WAYLAND_DISPLAY").isEmpty() || qgetenv("MEPO_HOST_DISPLAY").isEmpty()) {
        std::fprintf(stderr, "no Wayland compositor: run through tests/wayland/on_compositor\n");
        return 1;
    }
    mepo::keepQtTitleBarsOff();  // as the game's own start does
    QApplication app(argc, argv);
    if (!mepo::onNativeWayland()) {
        std::fprintf(stderr, "Qt did not choose its Wayland platform\n");
        return 1;
    }
    mepo::installChineseFontFallbacks();
    return RUN_ALL_TESTS();
}
