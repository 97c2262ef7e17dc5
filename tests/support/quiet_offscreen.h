// The offscreen platform cannot hand a window's size limits to a window
// manager and warns each time a window's layout sets them: noise in every
// window test's log, not a fault of the game. Every other message passes.
#pragma once

#include <QtGlobal>

namespace mepo::test {

inline QtMessageHandler passOn = nullptr;

inline void quietOffscreenWarnings() {
    passOn = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& where, const QString& text) {
        if (text.contains(QLatin1String("does not support propagateSizeHints"))) return;
        if (passOn) passOn(type, where, text);
    });
}

}  // namespace mepo::test
