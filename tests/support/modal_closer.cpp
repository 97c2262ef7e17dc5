#include "modal_closer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

#include "ui/toolkit/message_box.h"

namespace mepo::test {

ModalCloser::ModalCloser() {
    timer_.setInterval(1);
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    timer_.start();
}

void ModalCloser::poll() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box || !box->isVisible()) continue;
        SeenBox s;
        s.title = box->windowTitle();
        s.text = box->text();
        s.given = box->property(kGivenTextProperty).toByteArray().toStdString();
        s.buttons = static_cast<int>(box->buttons().size());
        s.hasIcon = box->icon() != QMessageBox::NoIcon;
        if (QAbstractButton* ok = box->button(QMessageBox::Ok)) s.okText = ok->text();
        seen_.push_back(s);
        if (whileOpen) whileOpen();
        box->done(QMessageBox::Ok);
    }
}

}  // namespace mepo::test
