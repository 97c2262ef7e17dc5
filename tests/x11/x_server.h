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
// Asks the window manager to move the window's frame so that its top-left
// corner stands at the given point, as a player's drag would end: the
// window manager moves it and tells the window afterwards.
void dragFrameTo(const QWidget& window, QPoint frameTopLeft);
// Waits until a window manager frames windows on the display (at most ten
// seconds).
bool waitForWindowManager();
}  // namespace mepo::test
