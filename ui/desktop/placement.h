// Where the game's window stands, in each desktop's own way.
//
// FormWindow decides what it wants: a size for the window and, where the
// game may place it, the top-left corner of its frame. The placement for
// this platform asks the desktop for it and tells the window when the
// desktop's answer calls for its place to be worked out again.
//
// - On X11 (and wherever the game places its window itself) the desktop
//   answers when it gets round to it: x11_placement.h.
// - On native Wayland no client can place its window: wayland_placement.h.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QSize>
#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace mepo {

class Placement {
public:
    // Runs work once no handler of the game's is running and no message
    // box is open, from the event loop.
    using Defer = std::function<void(std::function<void()> work)>;
    // The window's size (frame not included) that gives a client area of
    // the given size, by the window's margins as they stand when asked.
    using SizeFor = std::function<QSize(QSize client)>;

    virtual ~Placement() = default;

    // The desktop's frame around the window's own area, in pixels: the
    // window manager's on X11, none on Wayland.
    virtual QMargins frame() const = 0;
    // Asks for the window's client area of the given size and, where given,
    // its frame's top-left corner (desktop pixels).
    virtual void place(std::optional<QPoint> frameTopLeft, QSize client) = 0;
    // The window was just centred: on X11 the frame may still change as
    // the window manager frames or restores the window.
    virtual void centred() {}
    // False where the desktop places the window (Wayland).
    virtual bool placesWindow() const = 0;
    // How many times the window was mapped afresh to show a new size.
    virtual int remaps() const { return 0; }

    // The placement for the platform Qt runs on. placeAgain: called (when
    // quiet) when the desktop's answer calls for the window's place and
    // size to be worked out again by the frame it has now.
    static std::unique_ptr<Placement> forPlatform(QWidget& window, SizeFor sizeFor, Defer defer,
                                                  std::function<void()> placeAgain);
};

}  // namespace mepo
