#include "canvas.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace mepo {

Canvas::Canvas(int widthPx, int heightPx, int unitsPerPixel, QRgb background)
    : image_(std::max(widthPx, 1), std::max(heightPx, 1), QImage::Format_RGB32),
      unitsPerPixel_(unitsPerPixel),
      background_(background) {
    image_.fill(background_);
    rebind();
}

void Canvas::rebind() {
    bits_ = image_.bits();
    stride_ = image_.bytesPerLine();
    width_ = image_.width();
    height_ = image_.height();
}

void Canvas::ensureSize(int widthPx, int heightPx) {
    if (widthPx <= image_.width() && heightPx <= image_.height()) return;
    QImage grown(std::max(widthPx, image_.width()), std::max(heightPx, image_.height()), QImage::Format_RGB32);
    grown.fill(background_);
    QPainter p(&grown);
    p.drawImage(0, 0, image_);
    p.end();
    image_ = grown;
    rebind();
}

int Canvas::toPixel(double units) const {
    if (unitsPerPixel_ == 1) return static_cast<int>(std::floor(units));
    return static_cast<int>(std::floor(units / unitsPerPixel_));
}

void Canvas::line(double x1, double y1, double x2, double y2, QRgb colour) {
    int x = toPixel(x1), y = toPixel(y1);
    const int ex = toPixel(x2), ey = toPixel(y2);
    // Lines wholly outside the image are dropped at once (the time bar draws
    // thousands of stripes, most of them past its right edge).
    if (std::max(x, ex) < 0 || std::max(y, ey) < 0 || std::min(x, ex) >= width_ || std::min(y, ey) >= height_)
        return;
    const int dx = std::abs(ex - x), dy = -std::abs(ey - y);
    const int sx = x < ex ? 1 : -1, sy = y < ey ? 1 : -1;
    int err = dx + dy;
    while (x != ex || y != ey) {
        put(x, y, colour);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void Canvas::fillBox(double x1, double y1, double x2, double y2, QRgb colour) {
    const int l = std::max(std::min(toPixel(x1), toPixel(x2)), 0);
    const int r = std::min(std::max(toPixel(x1), toPixel(x2)), image_.width() - 1);
    const int t = std::max(std::min(toPixel(y1), toPixel(y2)), 0);
    const int b = std::min(std::max(toPixel(y1), toPixel(y2)), image_.height() - 1);
    for (int y = t; y <= b; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(bits_ + y * stride_);
        std::fill(row + l, row + r + 1, colour);
    }
}

void Canvas::copyFrom(const QImage& src, int sx, int sy, int w, int h, int dx, int dy) {
    // Clip the block to both images.
    if (sx < 0) { w += sx; dx -= sx; sx = 0; }
    if (sy < 0) { h += sy; dy -= sy; sy = 0; }
    if (dx < 0) { w += dx; sx -= dx; dx = 0; }
    if (dy < 0) { h += dy; sy -= dy; dy = 0; }
    w = std::min({w, src.width() - sx, image_.width() - dx});
    h = std::min({h, src.height() - sy, image_.height() - dy});
    if (w <= 0 || h <= 0) return;
    for (int y = 0; y < h; ++y) {
        const QRgb* from = reinterpret_cast<const QRgb*>(src.constScanLine(sy + y)) + sx;
        QRgb* to = reinterpret_cast<QRgb*>(bits_ + (dy + y) * stride_) + dx;
        std::memcpy(to, from, static_cast<size_t>(w) * sizeof(QRgb));
    }
}

void Canvas::clear() { image_.fill(background_); }

}  // namespace mepo
