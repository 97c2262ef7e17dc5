#include "message_box.h"

#include <QMessageBox>

#include "ui/desktop/desktop.h"

namespace mepo {

QString messageLines(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    while (s.endsWith(QLatin1Char('\n'))) s.chop(1);
    return s;
}

void showMessage(QWidget* owner, const std::string& text, Desktop& desktop) {
    QMessageBox box(QMessageBox::NoIcon, owner ? owner->windowTitle() : QString(), messageLines(text),
                    QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    // The text as the game gave it, line ends and all, before the box made
    // them its own: what a test reads to check the game's texts byte for byte.
    box.setProperty(kGivenTextProperty, QByteArray::fromStdString(text));
    // Its caption shown where the desktop leaves the title bar to the box.
    desktop.frame(box, Desktop::Frame::Box);
    box.exec();
}

}  // namespace mepo
