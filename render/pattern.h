// A picture that covers the whole plane, such as the time bar's stripes. A
// canvas covered with one paints it on whatever it comes to hold later, so
// the picture reaches as far as the canvas grows.
#pragma once

#include <QRect>
#include <QRgb>

namespace mepo {

class Pattern {
public:
    virtual ~Pattern() = default;
    // Only pixel rows 0 .. rows() - 1 are painted.
    virtual int rows() const = 0;
    // Paints pixel row y on out[0 .. n - 1], device pixels of one device
    // row: out[i] lies in pixel column column[i], or x0 + i when column is
    // null (one device pixel to the pixel). A pixel the pattern leaves
    // uncovered keeps what it shows.
    virtual void paintRow(int y, int x0, const int* column, int n, QRgb* out) const = 0;
    // A rectangle of pixels that the pattern paints every one of, hiding
    // whatever lay beneath.
    virtual QRect solid() const = 0;
};

}  // namespace mepo
