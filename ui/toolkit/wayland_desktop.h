// What the game needs to know of a Wayland desktop when Qt runs on it
// natively (not through Xwayland).
//
// A Wayland client cannot place its own window: the compositor puts every
// new window where it sees fit, and a window that grows keeps its top-left
// corner. Title bars are drawn either by the compositor (when it offers the
// server-side decoration protocol, as sway and KDE Plasma do) or by the
// client (GNOME, weston). Qt draws its own title bar only after starting
// OpenGL to ask whether it may, which loads the graphics driver into a game
// that draws everything with the CPU; where the compositor leaves the title
// bar to the client, the game draws its own instead.
#pragma once

namespace mepo {

// True when the application runs on Qt's native Wayland platform.
bool onNativeWayland();

// True when the compositor offers to draw title bars itself. Asks the
// compositor once (a short connection of its own) and remembers the answer.
bool compositorDrawsTitleBars();

// True when the game's window should draw its own title bar and borders:
// native Wayland, a compositor that leaves them to the client, and a player
// who has not chosen for himself (QT_WAYLAND_DISABLE_WINDOWDECORATION set,
// to 1 for no client-side title bars, to 0 for Qt's own).
bool windowDrawsOwnTitleBar();

// Keeps Qt from drawing (and starting OpenGL for) a title bar of its own
// while the game's first window is shown, when the game draws its own;
// afterwards the environment is as it was, so that programs the game starts
// (a web browser) see none of it.
class QtTitleBarsOff {
public:
    QtTitleBarsOff();
    ~QtTitleBarsOff();
    QtTitleBarsOff(const QtTitleBarsOff&) = delete;
    QtTitleBarsOff& operator=(const QtTitleBarsOff&) = delete;

private:
    bool set_ = false;
};

}  // namespace mepo
