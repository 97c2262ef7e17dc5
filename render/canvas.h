// A persistent off-screen image that keeps whatever is drawn on it until
// something else paints over it. Coordinates are in the canvas's own units:
// twips (15 to the pixel) for the board, pixels for the time bar.
#pragma once

#include <QImage>

namespace mepo {

class Canvas {
public:
    // unitsPerPixel: 15 for a canvas drawn in twips, 1 for one in pixels.
    Canvas(int widthPx, int heightPx, int unitsPerPixel, QRgb background);

    // Grows the image to at least this many pixels, keeping its content;
    // it never shrinks, so nothing drawn is lost when a window gets smaller.
    void ensureSize(int widthPx, int heightPx);

    // A 1-pixel line from (x1, y1) towards (x2, y2); the end point itself is
    // not drawn, so consecutive lines join without overlap.
    void line(double x1, double y1, double x2, double y2, QRgb colour);
    // A filled box between two corners, both included.
    void fillBox(double x1, double y1, double x2, double y2, QRgb colour);
    // Copies a w x h pixel block of src at (sx, sy) to pixel (dx, dy).
    void copyFrom(const QImage& src, int sx, int sy, int w, int h, int dx, int dy);
    // Back to the plain background.
    void clear();

    int toPixel(double units) const;
    QRgb pixel(int x, int y) const { return image_.pixel(x, y); }
    const QImage& image() const { return image_; }
    int unitsPerPixel() const { return unitsPerPixel_; }

private:
    void put(int x, int y, QRgb c) {
        if (x >= 0 && y >= 0 && x < width_ && y < height_)
            reinterpret_cast<QRgb*>(bits_ + y * stride_)[x] = c;
    }
    void rebind();

    QImage image_;
    int unitsPerPixel_;
    QRgb background_;
    uchar* bits_ = nullptr;
    int width_ = 0, height_ = 0;
    qsizetype stride_ = 0;
};

}  // namespace mepo
