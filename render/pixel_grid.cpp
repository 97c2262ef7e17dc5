#include "pixel_grid.h"

#include <algorithm>
#include <cmath>

#include "geometry.h"

namespace mepo {
namespace {

// Scales such as 1.1 are not exact in binary: a product that should be
// whole must not fall just below it.
constexpr double kSlack = 1e-9;

int floorDiv(int a, int b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

}  // namespace

PixelGrid::PixelGrid(Layout layout, double scale)
    : layout_(layout), scale_(scale > 0 ? scale : 1), identity_(scale_ == 1) {
    if (layout_ == Layout::Plain) return;
    small_ = static_cast<int>(std::floor(kCellPixels * scale_ + kSlack));
    large_ = static_cast<int>(std::ceil(kCellPixels * scale_ - kSlack));
    edge_ = std::max(1, static_cast<int>(std::floor(scale_ + 0.5)));
    for (int k = 0; k < 2; ++k) {
        const int size = k == 0 ? small_ : large_;
        const int inner = std::max(0, size - 2 * edge_);
        auto& to = inCell_[k];
        to[0] = 0;
        // The 32 inner pixels, evenly, each edge to the nearest device pixel.
        for (int o = 1; o <= kCellPixels - 1; ++o)
            to[o] = std::min(size, edge_ + ((o - 1) * inner * 2 + kCellPixels - 2) / (2 * (kCellPixels - 2)));
        to[kCellPixels] = size;
    }
    for (int c = 0; c <= kKnownCells; ++c) cellStarts_[c] = plainAt(c * kCellPixels);
}

int PixelGrid::plainAt(int p) const {
    if (identity_) return p;
    return static_cast<int>(std::floor(p * scale_ + kSlack));
}

int PixelGrid::cellStart(int c) const {
    if (layout_ == Layout::Sheet) return c * large_;
    if (c >= 0 && c <= kKnownCells) return cellStarts_[c];
    return plainAt(c * kCellPixels);
}

int PixelGrid::scaledAt(int p) const {
    if (layout_ == Layout::Plain) return plainAt(p);
    const int c = floorDiv(p, kCellPixels);
    const int start = cellStart(c);
    const int size = cellStart(c + 1) - start;
    return start + inCell_[size == small_ ? 0 : 1][p - c * kCellPixels];
}

int PixelGrid::pixelOf(int d) const {
    if (identity_) return d;
    int p = static_cast<int>(std::floor(d / scale_));
    while (at(p) > d) --p;
    while (at(p + 1) <= d) ++p;
    return p;
}

}  // namespace mepo
