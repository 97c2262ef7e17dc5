// What the X server itself says about a window, rather than what Qt last
// heard: where the window manager's frame stands and how large it is.
#pragma once

#include <QRect>
#include <QWidget>

#include "support/settle.h"

namespace mepo::test {

// The frame the window manager put round a top-level widget, on the screen.
QRect frameOnServer(const QWidget& window);
// The widget's own window on the server, in screen coordinates.
QRect windowOnServer(const QWidget& window);
// Waits until a window manager frames windows on the display (at most ten
// seconds).
bool waitForWindowManager();
}  // namespace mepo::test
