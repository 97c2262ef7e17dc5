#include "key_names.h"

#include <QKeyEvent>

namespace mepo {

std::string keyName(const QKeyEvent& e) {
    const int k = e.key();
    if ((k >= Qt::Key_A && k <= Qt::Key_Z)) return std::string(1, static_cast<char>('a' + (k - Qt::Key_A)));
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return std::string(1, static_cast<char>('0' + (k - Qt::Key_0)));
    if (k >= Qt::Key_F1 && k <= Qt::Key_F35) return "F" + std::to_string(k - Qt::Key_F1 + 1);
    switch (k) {
    case Qt::Key_Left: return "Left";
    case Qt::Key_Right: return "Right";
    case Qt::Key_Up: return "Up";
    case Qt::Key_Down: return "Down";
    case Qt::Key_Home: return "Home";
    case Qt::Key_End: return "End";
    case Qt::Key_PageUp: return "Prior";
    case Qt::Key_PageDown: return "Next";
    case Qt::Key_Space: return "space";
    case Qt::Key_Return: return "Return";
    case Qt::Key_Enter: return "Enter";
    case Qt::Key_Tab: return "Tab";
    case Qt::Key_Backtab: return "ISO_Left_Tab";
    case Qt::Key_Backspace: return "BackSpace";
    case Qt::Key_Delete: return "Delete";
    case Qt::Key_Insert: return "Insert";
    case Qt::Key_Escape: return "Escape";
    case Qt::Key_Comma: return "comma";
    case Qt::Key_Period: return "period";
    case Qt::Key_Slash: return "slash";
    case Qt::Key_Semicolon: return "semicolon";
    case Qt::Key_Minus: return "minus";
    case Qt::Key_Equal: return "equal";
    case Qt::Key_BracketLeft: return "bracketleft";
    case Qt::Key_BracketRight: return "bracketright";
    default: return {};
    }
}

}  // namespace mepo
