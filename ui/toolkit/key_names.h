// A key as the game's session names it: the X keysym's name for the keys
// that are not characters ("Left", "Home", "space", "Return", "F10", ...),
// and the lowercase character for a letter or digit ("n", "7"); empty for
// a key it has no name for (a modifier alone).
#pragma once

#include <string>

class QKeyEvent;

namespace mepo {

std::string keyName(const QKeyEvent& e);

}  // namespace mepo
