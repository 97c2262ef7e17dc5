// A persistent off-screen image that keeps whatever is drawn on it until
// something else paints over it. Coordinates are in the canvas's own units:
// twips (15 to the pixel) for the board, pixels for the time bar.
//
// The image holds no more than it must: what the box shows, plus whatever
// has been drawn (so nothing drawn is lost when the box shrinks and grows
// again), and never more than the canvas's limit, the most its content can
// ever need. It is allocated when something is first drawn, in device
// pixels at the canvas's scale, laid out by its pixel grid: every pixel is
// a whole block of device pixels.
//
// The canvas also remembers how its picture was drawn since it was last
// cleared, so that on a screen of another density it can draw the picture
// again, as sharp as if it had been drawn there from the start. It forgets
// whatever later drawing has wholly painted over, so the memory stays small
// however long a game runs.
#pragma once

#include <QImage>
#include <QRect>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "pattern.h"
#include "pixel_grid.h"

namespace mepo {

class Canvas {
public:
    using Layout = PixelGrid::Layout;

    // unitsPerPixel: 15 for a canvas drawn in twips, 1 for one in pixels.
    // limit: the most it ever holds, in pixels; drawing beyond is dropped.
    Canvas(int unitsPerPixel, QRgb background, QSize limit, Layout layout = Layout::Plain);
    // A canvas whose box and limit are both widthPx x heightPx.
    Canvas(int widthPx, int heightPx, int unitsPerPixel, QRgb background, Layout layout = Layout::Plain);

    // The size of the box that shows the canvas, in pixels. A smaller box
    // lets the image shrink to what has been drawn.
    void setBox(QSize px);
    void setLimit(QSize px);
    QSize limit() const { return limit_; }
    // Device pixels per pixel (2 on a double-density screen). What has been
    // drawn since the last clear() is drawn again at the new scale exactly as
    // it would have been drawn there: lines, boxes and patterns afresh, and
    // copies from their source canvas as it holds them now (a source that
    // depends on the scale, such as the tile sheet, is made ready at the new
    // scale first; copies from a source that no longer exists are left out).
    // A canvas that has been given device images (putDeviceImage) since its
    // last clear() cannot draw them again: it keeps its content instead, each
    // pixel's colour spread over its new block.
    void setScale(qreal deviceRatio);
    qreal scale() const { return grid_.scale(); }
    const PixelGrid& grid() const { return grid_; }

    // A 1-pixel line from (x1, y1) towards (x2, y2); the end point itself is
    // not drawn, so consecutive lines join without overlap. Each pixel of it
    // fills its whole block of device pixels.
    void line(double x1, double y1, double x2, double y2, QRgb colour);
    // A filled box between two corners, both included.
    void fillBox(double x1, double y1, double x2, double y2, QRgb colour);
    // Copies the w x h pixel block of src at pixel (sx, sy) to pixel (dx, dy).
    // Device pixel for device pixel where both blocks have the same device
    // size; otherwise each device pixel takes the nearest of the source's
    // (a square of the tile sheet fills a cell one device pixel smaller by
    // leaving out its middle column or row).
    void copyFrom(const Canvas& src, int sx, int sy, int w, int h, int dx, int dy);
    // Puts an image made at the canvas's device resolution with its top-left
    // corner where pixel (dx, dy) begins.
    void putDeviceImage(const QImage& image, int dx, int dy);
    // Paints the pattern over everything held, and over whatever the canvas
    // comes to hold until the next clear() or cover(). The canvas then holds
    // at least its box.
    void cover(std::shared_ptr<const Pattern> pattern);
    // Back to the plain background, holding nothing and remembering nothing.
    void clear();

    int toPixel(double units) const;
    // The colour shown at a pixel (its first device pixel).
    QRgb pixel(int x, int y) const;
    // What is held, in device pixels (null before anything is drawn).
    const QImage& image() const { return image_; }
    // The same, in pixels.
    QSize heldSize() const { return held_; }
    QRgb background() const { return background_; }
    int unitsPerPixel() const { return unitsPerPixel_; }

    // How many drawing steps the canvas remembers (for tests of its memory).
    size_t rememberedSteps() const { return steps_.size(); }

private:
    // One drawing step since the last clear(), as it is drawn again.
    struct Step {
        enum class Kind : uint8_t { Line, Box, Copy, Cover };
        Step(Kind k, QRect painted, QRgb c = 0) : kind(k), colour(c), area(painted) {}
        Kind kind;
        // A copy: its source, an index into sources_; a cover: its pattern,
        // an index into patterns_.
        uint32_t source = 0;
        QRgb colour;
        // The pixels it painted (a slanted line: the box around them), cut by
        // any smaller limit since.
        QRect area;
        // A line's ends, in pixels. A copy: from is where its source block
        // lies from area.
        QPoint from, to;
        // Every pixel of area painted, whatever lay beneath.
        bool solid() const {
            return kind == Kind::Box || kind == Kind::Copy ||
                   (kind == Kind::Line && (from.x() == to.x() || from.y() == to.y()));
        }
    };
    // A canvas copied from since the last clear(), and whether it still exists.
    struct Source {
        const Canvas* canvas;
        std::weak_ptr<const bool> alive;
    };
    // The nearest source column or row of each device pixel of a block
    // `to` device pixels long copied from one `from` long.
    struct Nearest {
        int to = 0, from = 0;
        std::vector<int> index;
        // The same as runs of neighbours: device pixels [at, at + length) take
        // the source's [from, from + length).
        struct Run {
            int at, from, length;
        };
        std::vector<Run> runs;
    };
    // Lets the canvases that copied from this one tell whether it still
    // exists. A copy of a canvas is a canvas of its own, with its own token.
    struct Alive {
        std::shared_ptr<const bool> token = std::make_shared<const bool>(true);
        Alive() = default;
        Alive(const Alive&) {}
        Alive& operator=(const Alive&) { return *this; }
    };

    // Makes the image cover rect (in pixels) as far as the limit allows and
    // returns the part of it that can be drawn.
    QRect reserve(const QRect& rect);
    void resizeHeld(QSize px);
    void bind();
    QSize worthHolding(QSize need) const;
    int dev(int px) const { return grid_.at(px); }
    // Fills the device pixels of the pixels [x0, x1) x [y0, y1).
    void fillPixels(int x0, int y0, int x1, int y1, QRgb colour);
    void fillDevice(int x0, int y0, int x1, int y1, QRgb colour);  // [x0, x1) x [y0, y1)
    // Paints the pattern on the device pixels [x0, x1) x [y0, y1).
    void paintPattern(int x0, int y0, int x1, int y1);
    // The drawing itself, on pixels already reserved: a line from (x, y)
    // towards (ex, ey), only within clip; the block `to` from src, whose
    // pixels lie at offset from it there; the pattern over everything held.
    void drawLine(int x, int y, int ex, int ey, QRgb colour, const QRect& clip);
    void copyBlock(const Canvas& src, const QRect& to, QPoint offset);
    void coverWith(std::shared_ptr<const Pattern> pattern);

    // Remembers a step, forgetting those painted over when there are many.
    void remember(const Step& step);
    // Forgets every step whose pixels have all been painted over since.
    void forgetHidden();
    // Forgets the steps on a box that a later step painted whole, when that
    // leaves at most half of them; false (forgetting nothing) otherwise.
    bool forgetSameBoxes();
    // Keeps the steps marked, in order, and the sources and patterns they use.
    void keepOnly(const std::vector<bool>& keep);
    // Forgets every step, and what they copied from.
    void forgetSteps();
    uint32_t sourceOf(const Canvas& src);
    // The nearest source pixels for a block `to` device pixels long from one
    // `from` long, kept for the next copies between the same sizes; never
    // the one at `keep`.
    const Nearest& nearest(int to, int from, const Nearest* keep = nullptr);
    // Draws every remembered step again, at the current scale.
    void replay();
    // Spreads each pixel of old (laid out by oldGrid) over its new block.
    void resample(const QImage& old, const PixelGrid& oldGrid);

    QImage image_;
    int unitsPerPixel_;
    QRgb background_;
    PixelGrid grid_;
    QSize limit_;
    QSize box_;
    QSize held_{0, 0};   // pixels covered by the image
    QSize drawn_{0, 0};  // extent of what has been drawn since the last clear
    std::shared_ptr<const Pattern> pattern_;
    uchar* bits_ = nullptr;
    int devW_ = 0, devH_ = 0;
    qsizetype stride_ = 0;

    std::vector<Step> steps_;
    std::vector<Source> sources_;
    std::vector<std::shared_ptr<const Pattern>> patterns_;
    std::array<Nearest, 4> nearest_;
    size_t nextNearest_ = 0;
    size_t forgetAt_;          // how many steps make it look for hidden ones again
    // The canvas shows pattern_ as cover() painted it, nothing drawn since.
    bool showsCover_ = false;
    bool replayable_ = true;   // no device image put in since the last clear()
    Alive alive_;
};

}  // namespace mepo
