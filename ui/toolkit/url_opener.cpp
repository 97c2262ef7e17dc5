#include "url_opener.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QUrl>

#include "ui/desktop/desktop.h"

namespace mepo {

UrlOpener desktopUrlOpener(const Desktop& desktop) {
    return [&desktop](const std::string& url) {
        const QString address = QString::fromStdString(url);
        // The desktop's opener, started with the environment a program of
        // the player's own would have, and left to run on its own.
        const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        if (opener.isEmpty()) {
            // Qt's own way would hand the game's environment on as it is.
            if (desktop.environmentIsThePlayers()) QDesktopServices::openUrl(QUrl(address));
            return;
        }
        QProcess browser;
        browser.setProgram(opener);
        browser.setArguments({address});
        browser.setProcessEnvironment(desktop.environmentForPrograms());
        browser.setStandardOutputFile(QProcess::nullDevice());
        browser.setStandardErrorFile(QProcess::nullDevice());
        browser.startDetached();
    };
}

}  // namespace mepo
