#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "form1.h"
#include "desktop/wayland_decorations.h"
#include "toolkit/fonts.h"

int main(int argc, char* argv[]) {
    // Before Qt starts: it reads the environment once, and its threads may
    // read it at any time afterwards.
    mepo::keepQtTitleBarsOff();
    QApplication app(argc, argv);
    // The desktop entry's name, so that the desktop shows the window under
    // the game's own entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(MEPO_APP_ID));
    mepo::installChineseFontFallbacks();
    // Qt's own words (the OK of a message box) in Simplified Chinese too.
    QTranslator qtWords;
    if (qtWords.load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtWords);
    mepo::Form1 form;
    form.show();
    return app.exec();
}
