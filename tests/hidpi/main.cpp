// Test main for the window on a double-density screen: every logical pixel
// is two device pixels each way. The platform is offscreen.
#include <gtest/gtest.h>

#include <QApplication>

#include "support/quiet_offscreen.h"
#include "ui/toolkit/fonts.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    mepo::test::quietOffscreenWarnings();
    QApplication app(argc, argv);
    mepo::installChineseFontFallbacks();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
