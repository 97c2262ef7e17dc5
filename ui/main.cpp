#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "ui/desktop/desktop.h"
#include "ui/form1.h"
#include "ui/toolkit/fonts.h"

int main(int argc, char* argv[]) {
    // Before Qt starts: it reads the environment once, and its threads may
    // read it at any time afterwards.
    mepo::Desktop::BeforeQt before = mepo::Desktop::beforeQt();
    QApplication app(argc, argv);
    // The desktop made now: what it asks of the display is on its way while
    // the fonts load and the window is built.
    const std::unique_ptr<mepo::Desktop> desktop = mepo::Desktop::make(std::move(before));
    // The desktop entry's name, so that the desktop shows the window under
    // the game's own entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(MEPO_APP_ID));
    mepo::installChineseFontFallbacks();
    // Qt's own words (the OK of a message box) in Simplified Chinese too.
    QTranslator qtWords;
    if (qtWords.load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtWords);
    mepo::Form1 form(*desktop, {{}, mepo::desktopUrlOpener(*desktop)});
    form.show();
    return app.exec();
}
