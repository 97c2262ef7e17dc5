// The desktop of Qt's native Wayland platform: the compositor places the
// windows (wayland_placement.h), and draws their title bars or leaves them
// to the windows, which then draw the game's own (title_bars.h).
#pragma once

#include "../desktop.h"
#include "title_bars.h"

namespace mepo {

class WaylandDesktop : public Desktop {
public:
    // Asks the compositor at once who draws the title bars, if it may come
    // to the game to draw them: where the game, not the player, turned Qt's
    // own title bars off before Qt started.
    explicit WaylandDesktop(BeforeQt before);

    void frame(QWidget& window, Frame kind) override;

private:
    // Put away with the desktop, while Qt's connection is still open.
    std::unique_ptr<TitleBarQuestion> question_;
};

}  // namespace mepo
