#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace mepo {

Canvas::Canvas(int unitsPerPixel, QRgb background, QSize limit, Layout layout)
    : unitsPerPixel_(unitsPerPixel), background_(background), grid_(layout), limit_(limit.expandedTo({0, 0})) {}

Canvas::Canvas(int widthPx, int heightPx, int unitsPerPixel, QRgb background, Layout layout)
    : Canvas(unitsPerPixel, background, QSize(widthPx, heightPx), layout) {
    box_ = limit_;
}

QSize Canvas::worthHolding(QSize need) const {
    return need.expandedTo(box_).expandedTo(drawn_).boundedTo(limit_);
}

void Canvas::resizeHeld(QSize px) {
    if (px == held_) return;
    if (px.isEmpty()) {
        image_ = QImage();
        bits_ = nullptr;
        devW_ = devH_ = 0;
        stride_ = 0;
        held_ = QSize(0, 0);
        return;
    }
    QImage next(dev(px.width()), dev(px.height()), QImage::Format_RGB32);
    next.fill(background_);
    const int keptW = std::min(next.width(), devW_), keptH = std::min(next.height(), devH_);
    for (int y = 0; y < keptH; ++y)
        std::memcpy(next.scanLine(y), image_.constScanLine(y), static_cast<size_t>(keptW) * sizeof(QRgb));
    next.setDevicePixelRatio(grid_.scale());
    image_ = std::move(next);
    held_ = px;
    bind();
    // What comes newly into the image shows the pattern that covers the canvas.
    if (pattern_) {
        paintPattern(keptW, 0, devW_, devH_);
        paintPattern(0, keptH, keptW, devH_);
    }
}

void Canvas::bind() {
    // bits() makes the image our own again if someone kept a copy of it.
    bits_ = image_.isNull() ? nullptr : image_.bits();
    stride_ = image_.bytesPerLine();
    devW_ = image_.width();
    devH_ = image_.height();
}

void Canvas::setBox(QSize px) {
    box_ = px.expandedTo({0, 0});
    const QSize worth = worthHolding({});
    // A covered canvas holds its whole box, so its pattern shows to the end.
    const QSize next = pattern_ ? worth : held_.boundedTo(worth);
    if (next != held_) resizeHeld(next);
}

void Canvas::setLimit(QSize px) {
    limit_ = px.expandedTo({0, 0});
    drawn_ = drawn_.boundedTo(limit_);
    setBox(box_);
}

void Canvas::setScale(qreal deviceRatio) {
    if (!(deviceRatio > 0) || deviceRatio == grid_.scale()) return;
    const QImage old = image_;
    const PixelGrid oldGrid = grid_;
    const QSize held = held_;
    const std::shared_ptr<const Pattern> pattern = std::move(pattern_);
    image_ = QImage();
    devW_ = devH_ = 0;
    held_ = QSize(0, 0);
    grid_ = PixelGrid(grid_.layout(), deviceRatio);
    resizeHeld(held);
    pattern_ = pattern;
    if (old.isNull()) return;
    // Each device pixel takes the colour its pixel had.
    std::vector<int> from(static_cast<size_t>(devW_));
    for (int x = 0; x < devW_; ++x) from[x] = std::min(oldGrid.at(grid_.pixelOf(x)), old.width() - 1);
    for (int y = 0; y < devH_; ++y) {
        const int oy = std::min(oldGrid.at(grid_.pixelOf(y)), old.height() - 1);
        const QRgb* src = reinterpret_cast<const QRgb*>(old.constScanLine(oy));
        QRgb* row = reinterpret_cast<QRgb*>(bits_ + y * stride_);
        for (int x = 0; x < devW_; ++x) row[x] = src[from[x]];
    }
}

QRect Canvas::reserve(const QRect& rect) {
    const QRect r = rect.normalized() & QRect(QPoint(0, 0), limit_);
    if (r.isEmpty()) return r;
    const QSize need(r.right() + 1, r.bottom() + 1);
    drawn_ = drawn_.expandedTo(need);
    if (need.width() > held_.width() || need.height() > held_.height())
        resizeHeld(worthHolding(need).expandedTo(held_));
    bind();
    return r;
}

int Canvas::toPixel(double units) const {
    if (unitsPerPixel_ == 1) return static_cast<int>(std::floor(units));
    return static_cast<int>(std::floor(units / unitsPerPixel_));
}

QRgb Canvas::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= held_.width() || y >= held_.height()) return background_;
    return image_.pixel(dev(x), dev(y));
}

void Canvas::fillDevice(int x0, int y0, int x1, int y1, QRgb colour) {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, devW_);
    y1 = std::min(y1, devH_);
    for (int y = y0; y < y1; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(bits_ + y * stride_);
        std::fill(row + x0, row + std::max(x0, x1), colour);
    }
}

void Canvas::fillPixels(int x0, int y0, int x1, int y1, QRgb colour) {
    x0 = std::clamp(x0, 0, held_.width());
    x1 = std::clamp(x1, 0, held_.width());
    y0 = std::clamp(y0, 0, held_.height());
    y1 = std::clamp(y1, 0, held_.height());
    if (x0 < x1 && y0 < y1) fillDevice(dev(x0), dev(y0), dev(x1), dev(y1), colour);
}

void Canvas::line(double x1, double y1, double x2, double y2, QRgb colour) {
    int x = toPixel(x1), y = toPixel(y1);
    const int ex = toPixel(x2), ey = toPixel(y2);
    if (reserve(QRect(QPoint(std::min(x, ex), std::min(y, ey)), QPoint(std::max(x, ex), std::max(y, ey)))).isEmpty())
        return;
    // Across and down (frames and bands): one run of pixels, end excluded.
    if (y == ey) {
        if (x != ex) fillPixels(std::min(x, ex + 1), y, std::max(x + 1, ex), y + 1, colour);
        return;
    }
    if (x == ex) {
        fillPixels(x, std::min(y, ey + 1), x + 1, std::max(y + 1, ey), colour);
        return;
    }
    const int dx = std::abs(ex - x), dy = -std::abs(ey - y);
    const int sx = x < ex ? 1 : -1, sy = y < ey ? 1 : -1;
    int err = dx + dy;
    while (x != ex || y != ey) {
        fillPixels(x, y, x + 1, y + 1, colour);
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
    const int l = std::min(toPixel(x1), toPixel(x2)), r = std::max(toPixel(x1), toPixel(x2));
    const int t = std::min(toPixel(y1), toPixel(y2)), b = std::max(toPixel(y1), toPixel(y2));
    const QRect box = reserve(QRect(QPoint(l, t), QPoint(r, b)));
    if (!box.isEmpty()) fillPixels(box.left(), box.top(), box.right() + 1, box.bottom() + 1, colour);
}

void Canvas::copyFrom(const Canvas& src, int sx, int sy, int w, int h, int dx, int dy) {
    // Clip the block to what the source holds, then to what the canvas may hold.
    const QRect from = QRect(sx, sy, w, h) & QRect(QPoint(0, 0), src.held_);
    const QRect to = reserve(from.translated(dx - sx, dy - sy));
    if (to.isEmpty()) return;
    const QRect part = to.translated(sx - dx, sy - dy);  // the source of what is drawn
    const int x0 = dev(to.left()), y0 = dev(to.top());
    const int dw = dev(to.right() + 1) - x0, dh = dev(to.bottom() + 1) - y0;
    const int fx = src.dev(part.left()), fy = src.dev(part.top());
    const int sw = src.dev(part.right() + 1) - fx, sh = src.dev(part.bottom() + 1) - fy;
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
    const uchar* srcBits = src.image_.constBits();
    const qsizetype srcStride = src.image_.bytesPerLine();
    if (dw == sw && dh == sh) {
        for (int y = 0; y < dh; ++y)
            std::memcpy(reinterpret_cast<QRgb*>(bits_ + (y0 + y) * stride_) + x0,
                        reinterpret_cast<const QRgb*>(srcBits + (fy + y) * srcStride) + fx,
                        static_cast<size_t>(dw) * sizeof(QRgb));
        return;
    }
    // The nearest source pixel to each device pixel's centre, copied in runs
    // of neighbours (a square one device pixel wider than its cell: two runs).
    auto nearest = [](int i, int to, int from) { return static_cast<int>((2LL * i + 1) * from / (2LL * to)); };
    struct Run {
        int at, from, length;
    };
    std::vector<Run> runs;
    for (int x = 0; x < dw; ++x) {
        const int sxx = nearest(x, dw, sw);
        if (!runs.empty() && runs.back().from + runs.back().length == sxx) ++runs.back().length;
        else runs.push_back({x, sxx, 1});
    }
    for (int y = 0; y < dh; ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(srcBits + (fy + nearest(y, dh, sh)) * srcStride) + fx;
        QRgb* out = reinterpret_cast<QRgb*>(bits_ + (y0 + y) * stride_) + x0;
        for (const Run& r : runs) std::memcpy(out + r.at, in + r.from, static_cast<size_t>(r.length) * sizeof(QRgb));
    }
}

void Canvas::putDeviceImage(const QImage& image, int dx, int dy) {
    if (image.isNull()) return;
    const QImage rgb = image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
    const int x0 = dev(dx), y0 = dev(dy);
    const QRect to = reserve(QRect(QPoint(dx, dy), QPoint(grid_.pixelOf(x0 + rgb.width() - 1),
                                                         grid_.pixelOf(y0 + rgb.height() - 1))));
    if (to.isEmpty()) return;
    const int w = std::min(rgb.width(), devW_ - x0), h = std::min(rgb.height(), devH_ - y0);
    for (int y = 0; y < h; ++y)
        std::memcpy(reinterpret_cast<QRgb*>(bits_ + (y0 + y) * stride_) + x0, rgb.constScanLine(y),
                    static_cast<size_t>(std::max(w, 0)) * sizeof(QRgb));
}

void Canvas::paintPattern(int x0, int y0, int x1, int y1) {
    x1 = std::min(x1, devW_);
    y1 = std::min(y1, devH_);
    if (!pattern_ || x0 >= x1 || y0 >= y1) return;
    const int rows = pattern_->rows();
    std::vector<int> column;
    if (!grid_.identity()) {
        column.resize(static_cast<size_t>(x1 - x0));
        int p = grid_.pixelOf(x0);
        for (int x = x0; x < x1; ++x) {
            while (dev(p + 1) <= x) ++p;
            column[x - x0] = p;
        }
    }
    int y = grid_.pixelOf(y0);
    for (int d = y0; d < y1; ++d) {
        while (dev(y + 1) <= d) ++y;
        if (y >= rows) break;
        QRgb* out = reinterpret_cast<QRgb*>(bits_ + d * stride_) + x0;
        pattern_->paintRow(y, x0, column.empty() ? nullptr : column.data(), x1 - x0, out);
    }
}

void Canvas::cover(std::shared_ptr<const Pattern> pattern) {
    pattern_.reset();
    const QSize worth = worthHolding({});
    if (worth != held_) resizeHeld(worth.expandedTo(held_).boundedTo(limit_));
    bind();
    pattern_ = std::move(pattern);
    paintPattern(0, 0, devW_, devH_);
}

void Canvas::clear() {
    pattern_.reset();
    drawn_ = QSize(0, 0);
    resizeHeld(QSize(0, 0));
}

}  // namespace mepo
