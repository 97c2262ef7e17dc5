// Test main for the folders that draw or show windows: one QApplication on
// the offscreen platform for the whole run.
#include <gtest/gtest.h>

#include <QApplication>

#include "support/desktop.h"
#include "support/quiet_offscreen.h"
#include "ui/toolkit/fonts.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    mepo::test::quietOffscreenWarnings();
    mepo::test::beforeQt = mepo::Desktop::beforeQt();  // as the game's own start does
    QApplication app(argc, argv);
    mepo::installChineseFontFallbacks();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
