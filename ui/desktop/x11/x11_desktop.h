// The desktop of an X server with a window manager (Xwayland too, where Qt
// is told to use it): the game places its window itself, and the window
// manager draws the title bars and answers in its own time
// (x11_placement.h).
#pragma once

#include <memory>

namespace mepo {

class Desktop;

std::unique_ptr<Desktop> x11Desktop();

}  // namespace mepo
