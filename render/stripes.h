// The time bar's stripes, painted afresh at every deal: 10000 slanted lines
// from blue towards magenta.
#pragma once

#include "canvas.h"

namespace mepo {

// Line g = 1..10000 runs from pixel (g, 0) to (g - 30, 30), its end point
// left out, in colour RGB((25 g) mod 256, 0, 255); what falls outside the
// bar is clipped. Together the lines cover pixel (x, y) with line x + y for
// rows 0..29, so they are painted as that pattern, directly: on the whole
// bar, and on whatever width the bar reaches later.
void stripeTimeBar(Canvas& bar);

}  // namespace mepo
