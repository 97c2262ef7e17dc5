// Who draws the title bars on a Wayland desktop.
//
// Title bars are drawn either by the compositor, when it offers the
// decoration protocol (xdg-decoration) and chooses server-side ones for a
// window (sway and KDE Plasma do), or by the window itself (GNOME, weston).
// Qt would draw its own only after starting OpenGL to ask whether it may,
// which loads the graphics driver into a game that draws everything with
// the CPU: Qt's title bar is kept off, and where the compositor leaves the
// title bar to the window, the game draws its own (../own_frame.h).
//
// Qt's window (Qt 6.4, title bars on or off) asks for a decoration object
// as soon as it has its toplevel, before its first commit, and says it has
// no preference (unset_mode): the compositor chooses. The question here is
// that same one, on Qt's own connection, for a window that is never drawn,
// so that its answer is the one the game's real window gets.
#pragma once

#include <memory>
#include <optional>

struct wl_display;

namespace mepo {

// Turns Qt's own title bars off for the whole run, before Qt starts. A
// player who has set the variable keeps his choice: 1 for no title bars at
// all, 0 for Qt's own. True when the game set it.
bool keepQtTitleBarsOff();
inline constexpr char kQtTitleBarsOff[] = "QT_WAYLAND_DISABLE_WINDOWDECORATION";

class TitleBarQuestion {
public:
    // Asks at once, on a queue of its own so that Qt's dispatching never
    // sees the answers, and comes back without waiting for them.
    explicit TitleBarQuestion(wl_display* display);
    ~TitleBarQuestion();
    TitleBarQuestion(const TitleBarQuestion&) = delete;
    TitleBarQuestion& operator=(const TitleBarQuestion&) = delete;

    // True when the compositor draws the title bars; waits for its answer
    // the first time (a second at most: no answer leaves them to the window).
    bool compositorDrawsThem();

    struct Exchange;  // the objects of the question

private:
    std::unique_ptr<Exchange> x_;
    std::optional<bool> answer_;
};

}  // namespace mepo
