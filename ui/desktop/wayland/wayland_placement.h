// Where the window stands on native Wayland. A client cannot place its
// window there, and a window that grows keeps its top-left corner, however
// near the screen's edge. A new size is therefore shown as the window
// mapped afresh: hidden, back to its normal state, resized and shown again,
// the compositor places it as it places every new window, on the screen,
// and nothing it had configured for the old window (maximised, full screen,
// tiled) can contradict the new size. The window blinks once for it, once
// no handler runs and no message box is open, and once the compositor has
// answered the window's last frame (after_frame.h).
#pragma once

#include <memory>

#include "../placement.h"
#include "after_frame.h"

namespace mepo {

class WaylandPlacement : public Placement {
public:
    WaylandPlacement(QMainWindow& window, Handlers handlers);

    bool placesWindow() const override { return false; }
    int remaps() const override { return remaps_; }

protected:
    void place() override;

private:
    void remapAfterFrame();
    void remap();

    AfterFrame afterFrame_;

    bool remapQueued_ = false;
    int remaps_ = 0;
};

// The placement above, as the desktop makes it for a main window.
std::unique_ptr<Placement> waylandPlacement(QMainWindow& window, Placement::Handlers handlers);

}  // namespace mepo
