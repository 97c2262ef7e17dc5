#include "modal_closer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <algorithm>

#include "ui/toolkit/message_box.h"

namespace mepo::test {

ModalCloser::ModalCloser() { schedule(); }

// A fresh timer each time, set before this look runs: a repeating timer
// would not fire again while whileOpen still runs, and a box that opens
// inside the one being read would never be closed.
void ModalCloser::schedule() { QTimer::singleShot(1, &context_, [this] { poll(); }); }

void ModalCloser::poll() {
    schedule();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(w);
        // A box opened inside another is read and closed by itself, not the
        // outer one again, and without whileOpen, which could open yet another.
        if (!box || !box->isVisible() || std::count(handling_.begin(), handling_.end(), box)) continue;
        handling_.push_back(box);
        SeenBox s;
        s.title = box->windowTitle();
        s.text = box->text();
        s.given = box->property(kGivenTextProperty).toByteArray().toStdString();
        s.buttons = static_cast<int>(box->buttons().size());
        s.hasIcon = box->icon() != QMessageBox::NoIcon;
        if (QAbstractButton* ok = box->button(QMessageBox::Ok)) s.okText = ok->text();
        seen_.push_back(s);
        if (whileOpen && handling_.size() == 1) whileOpen();
        box->done(QMessageBox::Ok);
        handling_.pop_back();
    }
}

}  // namespace mepo::test
