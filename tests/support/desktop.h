// The desktop for a test's windows: made as the game's own start makes it,
// from what the test program's main set before Qt started.
#pragma once

#include <memory>

#include "ui/desktop/desktop.h"

namespace mepo::test {

// Set by the test program's main, before Qt starts.
inline Desktop::BeforeQt beforeQt;

inline std::unique_ptr<Desktop> makeDesktop() { return Desktop::make(beforeQt); }

}  // namespace mepo::test
