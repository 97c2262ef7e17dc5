#include "bands.h"

#include <cstdlib>

#include "geometry.h"
#include "palette.h"

namespace mepo {
namespace {

int sgn(int v) { return (v > 0) - (v < 0); }

// Line i of a band (0..6): how far it is pulled in at each end, in twips,
// and its colour.
int shortening(int i) { return std::abs(15 * i - 45); }
QRgb bandColour(int f) { return qRgb(90 + f, 90 + f, 255); }

constexpr int kBandOffset = 210;  // first line 14 pixels into the cell
constexpr int kCentre = 255;      // 17 pixels: the cell centre

}  // namespace

void Lhx(Canvas& board, int x1, int x2, int y) {
    for (int i = 0; i <= 6; ++i) {
        const int f = shortening(i);
        const int yy = y + kBandOffset + 15 * i;
        board.line(x1 + kCentre + f * sgn(x2 - x1), yy, x2 + kCentre + f * sgn(x1 - x2), yy, bandColour(f));
    }
}

void Lsx(Canvas& board, int x, int y1, int y2) {
    for (int i = 0; i <= 6; ++i) {
        const int f = shortening(i);
        const int xx = x + kBandOffset + 15 * i;
        board.line(xx, y1 + kCentre + f * sgn(y2 - y1), xx, y2 + kCentre + f * sgn(y1 - y2), bandColour(f));
    }
}

void drawLink(Canvas& board, const std::vector<Cell>& points) {
    for (size_t k = 0; k + 1 < points.size(); ++k) {
        const Cell a = points[k], b = points[k + 1];
        if (a.row == b.row)
            Lhx(board, cellTwips(a.col), cellTwips(b.col), cellTwips(a.row));
        else if (a.col == b.col)
            Lsx(board, cellTwips(a.col), cellTwips(a.row), cellTwips(b.row));
    }
}

void eraseCell(Canvas& board, Cell c) {
    const int x = cellTwips(c.col), y = cellTwips(c.row);
    board.fillBox(x, y, x + kFrameTwips, y + kFrameTwips, basicColour(kLightGrey));
}

}  // namespace mepo
