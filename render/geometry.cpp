#include "geometry.h"

#include <cmath>

namespace mepo {

int cellOfPosition(float twips) {
    const long whole = std::lrint(twips);  // the default rounding: halves to even
    return static_cast<int>(whole / kCellTwips);
}

}  // namespace mepo
