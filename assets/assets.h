// The game's two images, compiled in.
#pragma once

#include <QIcon>
#include <QImage>

namespace mepo {

// The tile sheet, 340 x 204 pixels, as a 32-bit image ready for tile copies.
QImage tileSheet();
// The window icon with its 16, 48 and 256 pixel images.
QIcon gameIcon();

}  // namespace mepo
