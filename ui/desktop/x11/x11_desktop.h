// The desktop of an X server with a window manager (Xwayland too, where Qt
// is told to use it): the game places its window itself, and the window
// manager draws the title bars and answers in its own time
// (x11_placement.h).
#pragma once

#include "../desktop.h"

namespace mepo {

class X11Desktop : public Desktop {
public:
    const char* name() const override { return "x11"; }
    std::unique_ptr<Placement> placementFor(QMainWindow& window, Placement::Handlers handlers) const override;
};

}  // namespace mepo
