// The desktop of Qt's offscreen platform and of every platform without a
// back end of its own: the game places its window itself, and the window
// takes its place, size and state at once. Whatever frame the platform
// puts round the window is known once the window shows; a centring made
// before is made again by it then.
#pragma once

#include "../desktop.h"

namespace mepo {

class PlainDesktop : public Desktop {
public:
    const char* name() const override { return "plain"; }
    std::unique_ptr<Placement> placementFor(QMainWindow& window, Placement::Handlers handlers) const override;
};

}  // namespace mepo
