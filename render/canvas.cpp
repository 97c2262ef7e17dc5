#include "canvas.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace mepo {

Canvas::Canvas(int unitsPerPixel, QRgb background, QSize limit)
    : unitsPerPixel_(unitsPerPixel), background_(background), limit_(limit.expandedTo({0, 0})) {}

Canvas::Canvas(int widthPx, int heightPx, int unitsPerPixel, QRgb background)
    : Canvas(unitsPerPixel, background, QSize(widthPx, heightPx)) {
    box_ = limit_;
}

int Canvas::dev(int px) const {
    if (scale_ == 1) return px;
    return static_cast<int>(std::floor(px * scale_));
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
    if (!image_.isNull()) {
        const int w = std::min(next.width(), image_.width());
        const int h = std::min(next.height(), image_.height());
        for (int y = 0; y < h; ++y)
            std::memcpy(next.scanLine(y), image_.constScanLine(y), static_cast<size_t>(w) * sizeof(QRgb));
    }
    next.setDevicePixelRatio(scale_);
    image_ = std::move(next);
    held_ = px;
    bind();
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
    if (held_.width() > worth.width() || held_.height() > worth.height()) resizeHeld(held_.boundedTo(worth));
}

void Canvas::setLimit(QSize px) {
    limit_ = px.expandedTo({0, 0});
    drawn_ = drawn_.boundedTo(limit_);
    setBox(box_);
}

void Canvas::setScale(qreal deviceRatio) {
    if (!(deviceRatio > 0) || deviceRatio == scale_) return;
    const QImage old = image_;
    const QSize held = held_;
    image_ = QImage();
    held_ = QSize(0, 0);
    scale_ = deviceRatio;
    resizeHeld(held);
    if (!old.isNull()) {
        QImage resampled = old.scaled(devW_, devH_, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        for (int y = 0; y < devH_; ++y)
            std::memcpy(image_.scanLine(y), resampled.constScanLine(y), static_cast<size_t>(devW_) * sizeof(QRgb));
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

void Canvas::plotDeviceLine(int x, int y, int ex, int ey, QRgb colour) {
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

void Canvas::line(double x1, double y1, double x2, double y2, QRgb colour) {
    const int x = toPixel(x1), y = toPixel(y1);
    const int ex = toPixel(x2), ey = toPixel(y2);
    // Lines wholly outside the limit are dropped at once (the time bar draws
    // thousands of stripes, most of them past its right edge).
    if (reserve(QRect(QPoint(std::min(x, ex), std::min(y, ey)), QPoint(std::max(x, ex), std::max(y, ey)))).isEmpty())
        return;
    if (scale_ == 1) {
        plotDeviceLine(x, y, ex, ey, colour);
        return;
    }
    // As many parallel device lines as a pixel is wide, side by side: one
    // above the other for a line that runs across, else one beside the
    // other (so the slanted stripes tile the bar without a gap).
    const int thick = std::max(1, static_cast<int>(std::lround(scale_)));
    const bool alongX = std::abs(ex - x) > std::abs(ey - y);
    for (int k = 0; k < thick; ++k) {
        const int ox = alongX ? 0 : k, oy = alongX ? k : 0;
        plotDeviceLine(dev(x) + ox, dev(y) + oy, dev(ex) + ox, dev(ey) + oy, colour);
    }
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

void Canvas::fillBox(double x1, double y1, double x2, double y2, QRgb colour) {
    const int l = std::min(toPixel(x1), toPixel(x2)), r = std::max(toPixel(x1), toPixel(x2));
    const int t = std::min(toPixel(y1), toPixel(y2)), b = std::max(toPixel(y1), toPixel(y2));
    const QRect box = reserve(QRect(QPoint(l, t), QPoint(r, b)));
    if (box.isEmpty()) return;
    fillDevice(dev(box.left()), dev(box.top()), dev(box.right() + 1), dev(box.bottom() + 1), colour);
}

void Canvas::copyFrom(const QImage& src, int sx, int sy, int w, int h, int dx, int dy) {
    const qreal srcScale = src.devicePixelRatio();
    const int srcW = static_cast<int>(src.width() / srcScale), srcH = static_cast<int>(src.height() / srcScale);
    // Clip the block to the source, then to what the canvas may hold.
    const QRect from = QRect(sx, sy, w, h) & QRect(0, 0, srcW, srcH);
    const QRect to = reserve(from.translated(dx - sx, dy - sy));
    if (to.isEmpty()) return;
    const QRect part = to.translated(sx - dx, sy - dy);  // the source of what is drawn
    if (srcScale == scale_ && src.format() == QImage::Format_RGB32) {
        const int x0 = dev(to.left()), y0 = dev(to.top());
        const int cw = std::min(dev(to.right() + 1), devW_) - x0, ch = std::min(dev(to.bottom() + 1), devH_) - y0;
        const int fx = static_cast<int>(part.left() * srcScale), fy = static_cast<int>(part.top() * srcScale);
        const int n = std::min(cw, src.width() - fx);
        for (int y = 0; y < std::min(ch, src.height() - fy); ++y)
            std::memcpy(reinterpret_cast<QRgb*>(bits_ + (y0 + y) * stride_) + x0,
                        reinterpret_cast<const QRgb*>(src.constScanLine(fy + y)) + fx,
                        static_cast<size_t>(std::max(n, 0)) * sizeof(QRgb));
        return;
    }
    QPainter p(&image_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(to), src,
                QRectF(part.left() * srcScale, part.top() * srcScale, part.width() * srcScale,
                       part.height() * srcScale));
    p.end();
    bind();
}

void Canvas::clear() {
    drawn_ = QSize(0, 0);
    resizeHeld(QSize(0, 0));
}

}  // namespace mepo
