// Test main for the window on a desktop of several screens (screens.h):
// the offscreen platform reads them from a file named in the platform
// string, so the file is written before the application starts. (This main
// stands in for the shared one in the test support library.)
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryFile>

#include "screens/screens.h"
#include "support/quiet_offscreen.h"
#include "ui/toolkit/fonts.h"

int main(int argc, char** argv) {
    using namespace mepo::test;
    QByteArray json = R"({"screens": [)";
    for (const MonitorShape& s : {kLeftScreen, kRightScreen, kLowerScreen}) {
        const QRect& g = s.geometry;
        json += QStringLiteral(R"({"name": "%1", "x": %2, "y": %3, "width": %4, "height": %5, )"
                               R"("logicalDpi": 96, "dpr": %6},)")
                    .arg(QLatin1String(s.name))
                    .arg(g.x())
                    .arg(g.y())
                    .arg(g.width())
                    .arg(g.height())
                    .arg(s.density)
                    .toUtf8();
    }
    json.chop(1);
    json += "]}";
    QTemporaryFile config;
    if (!config.open() || config.write(json) != json.size() || !config.flush()) return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    quietOffscreenWarnings();
    QApplication app(argc, argv);
    mepo::installChineseFontFallbacks();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
