// The time bar's stripes, painted afresh at every deal: 10000 slanted lines
// from blue towards magenta.
#pragma once

#include "canvas.h"

namespace mepo {

// Line g = 1..10000 runs from pixel (g, 0) to (g - 30, 30) in colour
// RGB((25 g) mod 256, 0, 255); what falls outside the bar is clipped.
void stripeTimeBar(Canvas& bar);

}  // namespace mepo
