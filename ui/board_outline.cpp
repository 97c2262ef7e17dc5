#include "board_outline.h"

#include <QColor>
#include <QPainter>

#include "render/geometry.h"
#include "render/pixel_grid.h"

namespace mepo {

namespace {

constexpr int kBrightUnits = 2;
constexpr int kDarkUnits = 1;
const QColor kBright(255, 150, 0);  // stands out on grey tiles, empty cells and the blue band
const QColor kDark(24, 24, 24);

// Room for the outline at any scale around the cell (at most 4 pixels of
// it at 1.5).
constexpr int kMargin = 5;

// Four strips filling rect less its inner part width device pixels in.
void fillRing(QPainter& p, const QRect& rect, int width, const QColor& colour) {
    p.fillRect(rect.left(), rect.top(), rect.width(), width, colour);
    p.fillRect(rect.left(), rect.bottom() - width + 1, rect.width(), width, colour);
    p.fillRect(rect.left(), rect.top() + width, width, rect.height() - 2 * width, colour);
    p.fillRect(rect.right() - width + 1, rect.top() + width, width, rect.height() - 2 * width, colour);
}

}  // namespace

void paintCellOutline(QPainter& p, const PixelGrid& grid, Cell c) {
    const QRect cell(QPoint(grid.cellStart(c.col), grid.cellStart(c.row)),
                     QPoint(grid.cellStart(c.col + 1) - 1, grid.cellStart(c.row + 1) - 1));
    const int unit = grid.edgeWidth();
    const int bright = kBrightUnits * unit, dark = kDarkUnits * unit;
    fillRing(p, cell.adjusted(-bright, -bright, bright, bright), bright, kBright);
    fillRing(p, cell.adjusted(-bright - dark, -bright - dark, bright + dark, bright + dark), dark, kDark);
}

QRect cellOutlineArea(Cell c) {
    return {c.col * kCellPixels - kMargin, c.row * kCellPixels - kMargin, kCellPixels + 2 * kMargin,
            kCellPixels + 2 * kMargin};
}

}  // namespace mepo
