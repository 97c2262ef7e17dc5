// The desktop of Qt's offscreen platform and of every platform without a
// back end of its own: the game places its window itself, and the window
// takes its place, size and state at once. Whatever frame the platform
// puts round the window is known once the window shows; a centring made
// before is made again by it then.
#pragma once

#include <memory>

namespace mepo {

class Desktop;

std::unique_ptr<Desktop> plainDesktop();

}  // namespace mepo
