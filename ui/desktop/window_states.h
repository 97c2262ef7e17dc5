// The states of a window that the desktop, not the game, sizes.
#pragma once

#include <Qt>

namespace mepo {

// Maximised or full screen: the desktop gives the window its size, and its
// borders may go meanwhile.
inline constexpr Qt::WindowStates kSizedByTheDesktop = Qt::WindowMaximized | Qt::WindowFullScreen;

}  // namespace mepo
