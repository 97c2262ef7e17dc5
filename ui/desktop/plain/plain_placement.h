// Where the window stands on Qt's offscreen platform and on every platform
// without a desktop of its own: the game places its window itself, and the
// window takes its place, size and state at once. Whatever frame the
// platform puts round the window is known once the window shows; a
// centring made before is made again by it then.
#pragma once

#include <memory>

#include "../placement.h"

namespace mepo {

std::unique_ptr<Placement> plainPlacement(QMainWindow& window, Placement::Handlers handlers);

}  // namespace mepo
