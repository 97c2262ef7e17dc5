#include "url_opener.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace mepo {

UrlOpener desktopUrlOpener() {
    return [](const std::string& url) { QDesktopServices::openUrl(QUrl(QString::fromStdString(url))); };
}

}  // namespace mepo
