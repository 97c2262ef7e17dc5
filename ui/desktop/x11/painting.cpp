#include "painting.h"

#include <cstdlib>

namespace mepo {

bool keepSharedMemoryPaintingOff() {
    if (std::getenv(kSharedMemoryOff)) return false;
    setenv(kSharedMemoryOff, "1", 1);
    return true;
}

}  // namespace mepo
