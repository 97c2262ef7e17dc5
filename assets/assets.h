// The game's images, compiled in.
#pragma once

#include <QIcon>
#include <QImage>

namespace mepo {

// The tile sheet, 340 x 204 pixels, as a 32-bit image ready for tile copies.
QImage tileSheet();
// The same sheet drawn at twice the size for high-DPI screens: 680 x 408
// pixels, 68 x 68 per tile, same layout, 32-bit like tileSheet().
QImage tileSheet2x();
// The window icon with its 16, 48 and 256 pixel images.
QIcon gameIcon();

}  // namespace mepo
