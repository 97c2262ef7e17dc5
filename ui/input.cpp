#include "input.h"

#include <QApplication>
#include <QKeyEvent>

#include "board_view.h"
#include "session/session.h"
#include "ui/toolkit/key_names.h"
#include "ui/toolkit/picture_box.h"

namespace mepo {

Input::Input(Session& session, BoardView& board) : session_(session), view_(board) { qApp->installEventFilter(this); }

Input::~Input() { qApp->removeEventFilter(this); }

bool Input::eventFilter(QObject* watched, QEvent* e) {
    const bool onBoard = watched == &view_.board();
    switch (e->type()) {
    case QEvent::KeyPress: {
        const auto& key = static_cast<const QKeyEvent&>(*e);
        if (onBoard && !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
            session_.key(keyName(key), key.isAutoRepeat()))
            return true;
        session_.keyboardUsed();
        return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        session_.pointerUsed();
        return false;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (onBoard) session_.boardFocus(e->type() == QEvent::FocusIn);
        return false;
    default:
        return false;
    }
}

}  // namespace mepo
