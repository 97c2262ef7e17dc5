// The tile sheet made ready for tile copies at a screen's density.
#pragma once

#include <QImage>

#include "canvas.h"

namespace mepo {

// Fills the holder (a canvas with the Sheet layout, 340 x 204 pixels) with
// the sheet: an image of 340 x 204 pixels at its device-pixel ratio (the
// normal sheet at 1, the double-size one at 2). A square is copied device
// pixel for device pixel when its size matches the holder's squares;
// otherwise it is resampled smoothly, its one-pixel bevel on its own and
// its picture on its own, so the bevel keeps sharp edges and the width of
// a frame at any density.
void loadSheet(Canvas& holder, const QImage& sheet);

}  // namespace mepo
