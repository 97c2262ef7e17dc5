// Where the window stands on native Wayland. A client cannot place its
// window there, and a window that grows keeps its top-left corner, however
// near the screen's edge. A new size is therefore shown as the window
// mapped afresh: hidden, back to its normal state, resized and shown again,
// the compositor places it as it places every new window, on the screen,
// and nothing it had configured for the old window (maximised, full screen,
// tiled) can contradict the new size. The window blinks once for it.
#pragma once

#include "placement.h"

namespace mepo {

class WaylandPlacement : public Placement {
public:
    WaylandPlacement(QWidget& window, SizeFor sizeFor, Defer defer);

    QMargins frame() const override;
    void place(std::optional<QPoint> frameTopLeft, QSize client) override;
    bool placesWindow() const override { return false; }
    int remaps() const override { return remaps_; }

private:
    void remap(QSize client);

    QWidget& window_;
    SizeFor sizeFor_;
    Defer defer_;
    int remaps_ = 0;
};

}  // namespace mepo
