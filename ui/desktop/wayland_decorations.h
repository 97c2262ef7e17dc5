// Who draws the title bars on a Wayland desktop, when Qt runs on it natively
// (not through Xwayland).
//
// Title bars are drawn either by the compositor (when it offers the
// decoration protocol and answers a window's request for server-side ones,
// as sway and KDE Plasma do) or by the client (GNOME, weston). Qt would draw
// its own only after starting OpenGL to ask whether it may, which loads the
// graphics driver into a game that draws everything with the CPU: Qt's title
// bar is kept off, and where the compositor leaves the title bar to the
// window, the game draws its own (own_frame.h).
#pragma once

#include <QProcessEnvironment>

namespace mepo {

// Turns Qt's own title bars off for the whole run. Called once, at the very
// start, before the application object exists (and so before any thread of
// Qt's may read the environment). A player who has set the variable keeps
// his choice: 1 for no title bars at all, 0 for Qt's own.
void keepQtTitleBarsOff();

// The environment for a program the game starts (a web browser): the
// game's own, less what keepQtTitleBarsOff() added.
QProcessEnvironment environmentForPrograms();
// True when keepQtTitleBarsOff() left the environment as the player gave it.
bool environmentIsThePlayers();

// True when the application runs on Qt's native Wayland platform.
bool onNativeWayland();

// True when the game's windows draw their own title bar and borders: native
// Wayland, Qt's title bars off by the game (not by the player), and a
// compositor that leaves them to the window. Asked of the compositor once,
// on Qt's own connection, by the mode it configures for a window that asks
// for server-side title bars.
bool windowsDrawOwnTitleBars();

}  // namespace mepo
