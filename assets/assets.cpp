#include "assets.h"

namespace mepo {

QImage tileSheet() { return QImage(QStringLiteral(":/tiles.jpg")).convertToFormat(QImage::Format_RGB32); }

QImage tileSheet2x() {
    return QImage(QStringLiteral(":/tiles@2x.jpg")).convertToFormat(QImage::Format_RGB32);
}

QIcon gameIcon() { return QIcon(QStringLiteral(":/icon.ico")); }

}  // namespace mepo
