#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>
#include <string>
#include <vector>

#include "session/start_options.h"
#include "ui/desktop/desktop.h"
#include "ui/form1.h"
#include "ui/toolkit/fonts.h"

int main(int argc, char* argv[]) {
    // A clock of another length, or none, for this run only.
    const mepo::StartOptions options = mepo::readStartOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!options.error.empty() || options.help) {
        if (!options.error.empty()) std::fprintf(stderr, "mepo: %s\n", options.error.c_str());
        std::fputs(mepo::kUsage, options.help && options.error.empty() ? stdout : stderr);
        return options.error.empty() ? 0 : 2;
    }
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
    mepo::Form1 form(*desktop, {options.setup, mepo::desktopUrlOpener(*desktop)});
    form.show();
    return app.exec();
}
