#include "stripes.h"

namespace mepo {

void stripeTimeBar(Canvas& bar) {
    for (int g = 1; g <= 10000; ++g) bar.line(g, 0, g - 30, 30, qRgb((25 * g) % 256, 0, 255));
}

}  // namespace mepo
