#include "sheet.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "geometry.h"
#include "tiles.h"

namespace mepo {
namespace {

void blit(QImage& to, const QImage& from, QPoint at) {
    for (int y = 0; y < from.height(); ++y)
        std::memcpy(reinterpret_cast<QRgb*>(to.scanLine(at.y() + y)) + at.x(), from.constScanLine(y),
                    static_cast<size_t>(from.width()) * sizeof(QRgb));
}

// One square, side `side` in the sheet with a bevel `bevel` deep, made
// `size` device pixels large with a bevel `edge` deep: the nine parts (four
// corners, four edges, the picture) each scaled on their own.
QImage resampleSquare(const QImage& sheet, QPoint corner, int side, int bevel, QSize size, int edge) {
    QImage out(size, QImage::Format_RGB32);
    const int from[4] = {0, bevel, side - bevel, side};
    const int toX[4] = {0, edge, size.width() - edge, size.width()};
    const int toY[4] = {0, edge, size.height() - edge, size.height()};
    for (int j = 0; j < 3; ++j)
        for (int i = 0; i < 3; ++i) {
            const QSize target(toX[i + 1] - toX[i], toY[j + 1] - toY[j]);
            if (target.isEmpty()) continue;
            const QImage part = sheet.copy(corner.x() + from[i], corner.y() + from[j], from[i + 1] - from[i],
                                           from[j + 1] - from[j]);
            blit(out,
                 part.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                     .convertToFormat(QImage::Format_RGB32),
                 QPoint(toX[i], toY[j]));
        }
    return out;
}

}  // namespace

void loadSheet(Canvas& holder, const QImage& sheet) {
    holder.clear();
    const QImage rgb = sheet.convertToFormat(QImage::Format_RGB32);
    const int ratio = std::max(1, static_cast<int>(std::lround(sheet.devicePixelRatio())));
    const int side = kCellPixels * ratio;
    const PixelGrid& grid = holder.grid();
    for (int p = 0; p < kSheetCols * kSheetRows; ++p) {
        const QPoint corner(sheetX(p) * ratio, sheetY(p) * ratio);
        const QSize size(grid.cellSize(p % kSheetCols), grid.cellSize(p / kSheetCols));
        if (size == QSize(side, side))
            holder.putDeviceImage(rgb.copy(corner.x(), corner.y(), side, side), sheetX(p), sheetY(p));
        else
            holder.putDeviceImage(resampleSquare(rgb, corner, side, ratio, size, grid.edgeWidth()), sheetX(p),
                                  sheetY(p));
    }
}

}  // namespace mepo
