// Where the pixels of a picture fall on the screen's device pixels at a
// scale (device pixels per pixel: 1, 1.25, 2, ...). Every pixel covers a
// whole block of device pixels, so lines and squares stay sharp at any
// scale, and a picture at scale 2 is its picture at scale 1 doubled.
//
// Three layouts:
// - Plain (the time bar): pixel p begins at device pixel floor(p * scale).
// - Cells (the board): the picture is a grid of 34-pixel cells. Cell c
//   begins at floor(34 c * scale), so every cell boundary stands at one
//   device position across the whole board, and cells differ in size by at
//   most one device pixel. Inside a cell, the outermost pixel on each side
//   (a tile's bevel, a frame) is edgeWidth() device pixels wide in every
//   cell, and the 32 pixels between share the rest evenly.
// - Sheet (the tile sheet): the same cells, all of the larger size, so a
//   square copied from it fills any cell of the board exactly.
#pragma once

#include <array>

namespace mepo {

class PixelGrid {
public:
    enum class Layout { Plain, Cells, Sheet };

    explicit PixelGrid(Layout layout = Layout::Plain, double scale = 1);

    Layout layout() const { return layout_; }
    double scale() const { return scale_; }
    // One device pixel to a pixel: every position is its own.
    bool identity() const { return identity_; }

    // The device pixel where pixel p (p >= 0) begins; p covers the device
    // pixels at(p) .. at(p + 1) - 1.
    int at(int p) const { return identity_ ? p : scaledAt(p); }
    // The pixel that covers device pixel d (d >= 0).
    int pixelOf(int d) const;

    // Cell layouts: where cell c begins and how many device pixels it spans.
    int cellStart(int c) const;
    int cellSize(int c) const { return cellStart(c + 1) - cellStart(c); }
    // Device pixels of a cell's outermost pixel, on each side.
    int edgeWidth() const { return edge_; }

private:
    int scaledAt(int p) const;
    int plainAt(int p) const;

    Layout layout_;
    double scale_;
    bool identity_;
    int small_ = 34, large_ = 34, edge_ = 1;
    // Device offset of each pixel edge 0..34 inside a cell of the small and
    // of the large size.
    std::array<std::array<int, 35>, 2> inCell_{};
    // Where the first cells begin (Cells layout), worked out once: every
    // block drawn asks for its cells' edges.
    static constexpr int kKnownCells = 64;
    std::array<int, kKnownCells + 1> cellStarts_{};
};

}  // namespace mepo
