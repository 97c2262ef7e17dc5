#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

namespace mepo {
namespace {

// Hidden steps are looked for once the canvas remembers this many, or twice
// as many as it kept the last time, whichever is more. A deal on the largest
// board copies 336 tiles, hiding those of the deal before: about every five
// deals, and never more than some 90 KiB of steps, a twentieth of the
// board's image at one device pixel to the pixel.
constexpr size_t kFewSteps = 2048;

// The pixels that later steps have painted over, a bit each.
class PaintedOver {
public:
    explicit PaintedOver(QSize size)
        : bounds_(QPoint(0, 0), size),
          words_((size.width() + 63) / 64),
          bits_(static_cast<size_t>(words_) * static_cast<size_t>(size.height())) {}
    void add(const QRect& area) {
        eachWord(area, [](uint64_t& word, uint64_t mask) {
            word |= mask;
            return true;
        });
    }
    bool hides(const QRect& area) {
        return eachWord(area, [](uint64_t& word, uint64_t mask) { return (word & mask) == mask; });
    }

private:
    // Calls f on every word the area touches, with the bits of the area in
    // it, while f returns true.
    template <class F>
    bool eachWord(const QRect& area, F f) {
        const QRect r = area & bounds_;
        if (r.isEmpty()) return true;
        const int first = r.left() >> 6, last = r.right() >> 6;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            uint64_t* row = &bits_[static_cast<size_t>(y) * words_];
            for (int k = first; k <= last; ++k) {
                const int lo = k == first ? r.left() & 63 : 0, hi = k == last ? r.right() & 63 : 63;
                if (!f(row[k], (~uint64_t{0} >> (63 - hi)) & (~uint64_t{0} << lo))) return false;
            }
        }
        return true;
    }

    QRect bounds_;
    int words_;
    std::vector<uint64_t> bits_;
};

// A box as one number, its place and size, for looking it up in a set;
// none for an empty box or one that reaches pixel 65535 (never looked up).
std::optional<uint64_t> boxKey(const QRect& r) {
    if (r.isEmpty() || r.left() < 0 || r.top() < 0 || r.right() >= 0xFFFF || r.bottom() >= 0xFFFF) return std::nullopt;
    return uint64_t(r.left()) << 48 | uint64_t(r.top()) << 32 | uint64_t(r.right()) << 16 | uint64_t(r.bottom());
}

// The part two boxes share (QRect's own operator& is not inline).
QRect meet(const QRect& a, const QRect& b) {
    return QRect(QPoint(std::max(a.left(), b.left()), std::max(a.top(), b.top())),
                 QPoint(std::min(a.right(), b.right()), std::min(a.bottom(), b.bottom())));
}

// Copies n bytes. A tile's rows are a few hundred bytes: copied 16 bytes at
// a time inline (the last 16 overlapping where n is no multiple), they go
// faster than through the library's memcpy, which is chosen for longer runs.
inline void copyRow(void* to, const void* from, size_t n) {
    auto* out = static_cast<unsigned char*>(to);
    const auto* in = static_cast<const unsigned char*>(from);
    if (n < 16) {
        std::memcpy(out, in, n);
        return;
    }
    size_t k = 0;
    for (; k + 16 <= n; k += 16) std::memcpy(out + k, in + k, 16);
    if (k < n) std::memcpy(out + n - 16, in + n - 16, 16);
}

// Boxes seen, as their keys: a flat table, looked up in one tight loop.
class BoxSet {
public:
    explicit BoxSet(size_t most) {
        size_t size = 64;
        while (size < 2 * most) size *= 2;
        keys_.assign(size, 0);
    }
    // False when the key was there already.
    bool insert(uint64_t key) {
        const uint64_t k = key + 1;  // 0 marks a free slot
        const size_t mask = keys_.size() - 1;
        for (size_t i = (k * 0x9E3779B97F4A7C15ULL) >> 40 & mask;; i = (i + 1) & mask) {
            if (keys_[i] == k) return false;
            if (keys_[i] == 0) {
                keys_[i] = k;
                return true;
            }
        }
    }

private:
    std::vector<uint64_t> keys_;
};

}  // namespace

Canvas::Canvas(int unitsPerPixel, QRgb background, QSize limit, Layout layout)
    : unitsPerPixel_(unitsPerPixel),
      background_(background),
      grid_(layout),
      limit_(limit.expandedTo({0, 0})),
      forgetAt_(kFewSteps) {}

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
    // What is dropped beyond the limit stays dropped if the limit grows again.
    const QRect within(QPoint(0, 0), limit_);
    for (Step& step : steps_)
        if (step.kind != Step::Kind::Cover) step.area &= within;
    setBox(box_);
}

void Canvas::setScale(qreal deviceRatio) {
    if (!(deviceRatio > 0) || deviceRatio == grid_.scale()) return;
    if (replayable_) forgetHidden();  // nothing is drawn again in vain
    const QImage old = image_;
    const PixelGrid oldGrid = grid_;
    const QSize held = held_, drawn = drawn_;
    const std::shared_ptr<const Pattern> pattern = std::move(pattern_);
    image_ = QImage();
    devW_ = devH_ = 0;
    held_ = QSize(0, 0);
    grid_ = PixelGrid(grid_.layout(), deviceRatio);
    resizeHeld(held);
    if (replayable_) replay();
    else resample(old, oldGrid);
    pattern_ = pattern;
    drawn_ = drawn;
    // Drawn again, the last cover shows as painted; spread, it does not.
    showsCover_ = replayable_ && !steps_.empty() && steps_.back().kind == Step::Kind::Cover;
}

void Canvas::resample(const QImage& old, const PixelGrid& oldGrid) {
    if (old.isNull() || image_.isNull()) return;
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

void Canvas::replay() {
    for (const Step& step : steps_) {
        switch (step.kind) {
        case Step::Kind::Line:
            drawLine(step.from.x(), step.from.y(), step.to.x(), step.to.y(), step.colour, step.area);
            break;
        case Step::Kind::Box:
            fillPixels(step.area.left(), step.area.top(), step.area.right() + 1, step.area.bottom() + 1, step.colour);
            break;
        case Step::Kind::Copy: {
            // The source may hold less now than when the block was copied.
            const Source& source = sources_[step.source];
            if (!source.alive.expired())
                copyBlock(*source.canvas,
                          step.area & QRect(QPoint(0, 0), held_) &
                              QRect(QPoint(0, 0), source.canvas->held_).translated(-step.from),
                          step.from);
            break;
        }
        case Step::Kind::Cover:
            coverWith(patterns_[step.source]);
            break;
        }
    }
}

void Canvas::remember(const Step& step) {
    if (!replayable_) return;
    steps_.push_back(step);
    if (steps_.size() < forgetAt_) return;
    if (!forgetSameBoxes()) forgetHidden();
    forgetAt_ = std::max(kFewSteps, 2 * steps_.size());
}

void Canvas::keepOnly(const std::vector<bool>& keep) {
    // Each source and pattern still used gets its new place, in order.
    std::vector<uint32_t> sourceAt(sources_.size(), UINT32_MAX), patternAt(patterns_.size(), UINT32_MAX);
    for (size_t i = 0; i < steps_.size(); ++i)
        if (keep[i] && steps_[i].kind == Step::Kind::Copy) sourceAt[steps_[i].source] = 0;
        else if (keep[i] && steps_[i].kind == Step::Kind::Cover) patternAt[steps_[i].source] = 0;
    auto pack = [](auto& items, std::vector<uint32_t>& at) {
        size_t m = 0;
        for (size_t k = 0; k < items.size(); ++k)
            if (at[k] != UINT32_MAX) {
                if (m != k) items[m] = std::move(items[k]);
                at[k] = static_cast<uint32_t>(m++);
            }
        items.erase(items.begin() + static_cast<std::ptrdiff_t>(m), items.end());
    };
    pack(sources_, sourceAt);
    pack(patterns_, patternAt);
    size_t n = 0;
    for (size_t i = 0; i < steps_.size(); ++i)
        if (keep[i]) {
            Step& step = steps_[n++] = steps_[i];
            if (step.kind == Step::Kind::Copy) step.source = sourceAt[step.source];
            if (step.kind == Step::Kind::Cover) step.source = patternAt[step.source];
        }
    steps_.resize(n, Step(Step::Kind::Box, {}));
}

void Canvas::forgetSteps() {
    steps_.clear();
    sources_.clear();
    patterns_.clear();
}

uint32_t Canvas::sourceOf(const Canvas& src) {
    // The same canvas, not one made since where a copied one was: the same
    // token (compared without touching its counts).
    auto same = [&](const Source& s) {
        return s.canvas == &src && !s.alive.owner_before(src.alive_.token) && !src.alive_.token.owner_before(s.alive);
    };
    for (size_t k = sources_.size(); k-- > 0;)
        if (same(sources_[k])) return static_cast<uint32_t>(k);
    sources_.push_back({&src, src.alive_.token});
    return static_cast<uint32_t>(sources_.size() - 1);
}

bool Canvas::forgetSameBoxes() {
    // Mostly the tiles of the deals before, each under a later tile on its
    // cell: when that is most of what is remembered, it is enough.
    BoxSet boxes(steps_.size());
    std::vector<bool> keep(steps_.size());
    size_t kept = 0;
    for (size_t i = steps_.size(); i-- > 0;) {
        const Step& step = steps_[i];
        const std::optional<uint64_t> key = step.solid() ? boxKey(step.area) : std::nullopt;
        keep[i] = !key || boxes.insert(*key);
        kept += keep[i];
    }
    if (2 * kept > steps_.size()) return false;
    keepOnly(keep);
    return true;
}

void Canvas::forgetHidden() {
    // From the newest step back: a step is forgotten when every pixel it
    // painted has been painted over by the steps after it.
    PaintedOver over(held_);
    // The places of the later steps that painted a whole box, most of them
    // tiles and erase squares on cells: a step on the very same box is hidden
    // without looking at its pixels.
    BoxSet boxes(steps_.size());
    std::vector<const Pattern*> laterPatterns;
    std::vector<bool> keep(steps_.size());
    for (size_t i = steps_.size(); i-- > 0;) {
        const Step& step = steps_[i];
        if (step.kind == Step::Kind::Cover) {
            // A later cover with the same pattern paints the same pixels.
            const Pattern* p = patterns_[step.source].get();
            if (std::find(laterPatterns.begin(), laterPatterns.end(), p) != laterPatterns.end()) continue;
            laterPatterns.push_back(p);
            keep[i] = true;
            if (p) over.add(p->solid());
            continue;
        }
        const bool solid = step.solid();
        const std::optional<uint64_t> key = solid ? boxKey(step.area) : std::nullopt;
        if (key && !boxes.insert(*key)) continue;
        if (over.hides(step.area)) continue;
        keep[i] = true;
        if (solid) over.add(step.area);
    }
    keepOnly(keep);
}

QRect Canvas::reserve(const QRect& rect) {
    const QRect r = meet(rect.isValid() ? rect : rect.normalized(), QRect(QPoint(0, 0), limit_));
    if (r.isEmpty()) return r;
    showsCover_ = false;
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
    const int x = toPixel(x1), y = toPixel(y1);
    const int ex = toPixel(x2), ey = toPixel(y2);
    const QRect r =
        reserve(QRect(QPoint(std::min(x, ex), std::min(y, ey)), QPoint(std::max(x, ex), std::max(y, ey))));
    if (r.isEmpty() || (x == ex && y == ey)) return;
    drawLine(x, y, ex, ey, colour, r);
    // A line across or down paints a run without its end; a slanted one,
    // pixels within the box around it.
    QRect area = r;
    if (y == ey) area = QRect(QPoint(std::min(x, ex + 1), y), QPoint(std::max(x, ex - 1), y)) & r;
    if (x == ex) area = QRect(QPoint(x, std::min(y, ey + 1)), QPoint(x, std::max(y, ey - 1))) & r;
    Step step(Step::Kind::Line, area, colour);
    step.from = {x, y};
    step.to = {ex, ey};
    remember(step);
}

void Canvas::drawLine(int x, int y, int ex, int ey, QRgb colour, const QRect& clip) {
    // Across and down (frames and bands): one run of pixels, end excluded.
    if (y == ey) {
        if (x != ex)
            fillPixels(std::max(std::min(x, ex + 1), clip.left()), y, std::min(std::max(x + 1, ex), clip.right() + 1),
                       y + 1, colour);
        return;
    }
    if (x == ex) {
        fillPixels(x, std::max(std::min(y, ey + 1), clip.top()), x + 1,
                   std::min(std::max(y + 1, ey), clip.bottom() + 1), colour);
        return;
    }
    const int dx = std::abs(ex - x), dy = -std::abs(ey - y);
    const int sx = x < ex ? 1 : -1, sy = y < ey ? 1 : -1;
    int err = dx + dy;
    while (x != ex || y != ey) {
        if (clip.contains(x, y)) fillPixels(x, y, x + 1, y + 1, colour);
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
    if (box.isEmpty()) return;
    fillPixels(box.left(), box.top(), box.right() + 1, box.bottom() + 1, colour);
    remember(Step(Step::Kind::Box, box, colour));
}

void Canvas::copyFrom(const Canvas& src, int sx, int sy, int w, int h, int dx, int dy) {
    // Clip the block to what the source holds, then to what the canvas may hold.
    const QRect from = meet(QRect(sx, sy, w, h), QRect(QPoint(0, 0), src.held_));
    const QRect to = reserve(from.translated(dx - sx, dy - sy));
    if (to.isEmpty()) return;
    copyBlock(src, to, QPoint(sx - dx, sy - dy));
    Step step(Step::Kind::Copy, to);
    step.from = {sx - dx, sy - dy};
    if (replayable_) step.source = sourceOf(src);
    remember(step);
}

void Canvas::copyBlock(const Canvas& src, const QRect& to, QPoint offset) {
    if (to.isEmpty()) return;
    const QRect part = to.translated(offset);  // the source of what is drawn
    const int x0 = dev(to.left()), y0 = dev(to.top());
    const int dw = dev(to.right() + 1) - x0, dh = dev(to.bottom() + 1) - y0;
    const int fx = src.dev(part.left()), fy = src.dev(part.top());
    const int sw = src.dev(part.right() + 1) - fx, sh = src.dev(part.bottom() + 1) - fy;
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
    const qsizetype srcStride = src.image_.bytesPerLine();
    const uchar* in = src.image_.constBits() + fy * srcStride + fx * qsizetype(sizeof(QRgb));
    uchar* out = bits_ + y0 * stride_ + x0 * qsizetype(sizeof(QRgb));
    if (dw == sw && dh == sh) {
        for (int y = 0; y < dh; ++y, in += srcStride, out += stride_)
            copyRow(out, in, static_cast<size_t>(dw) * sizeof(QRgb));
        return;
    }
    // The nearest source pixel to each device pixel's centre, copied in runs
    // of neighbours (a square one device pixel wider than its cell: two runs).
    const Nearest& columns = nearest(dw, sw);
    const Nearest& rows = nearest(dh, sh, &columns);
    for (int y = 0; y < dh; ++y, out += stride_) {
        const auto* from = reinterpret_cast<const QRgb*>(in + rows.index[y] * srcStride);
        auto* row = reinterpret_cast<QRgb*>(out);
        for (const Nearest::Run& r : columns.runs)
            copyRow(row + r.at, from + r.from, static_cast<size_t>(r.length) * sizeof(QRgb));
    }
}

const Canvas::Nearest& Canvas::nearest(int to, int from, const Nearest* keep) {
    for (const Nearest& n : nearest_)
        if (n.to == to && n.from == from) return n;
    if (&nearest_[nextNearest_] == keep) nextNearest_ = (nextNearest_ + 1) % nearest_.size();
    Nearest& n = nearest_[nextNearest_];
    nextNearest_ = (nextNearest_ + 1) % nearest_.size();
    n.to = to;
    n.from = from;
    n.index.resize(static_cast<size_t>(to));
    n.runs.clear();
    for (int i = 0; i < to; ++i) {
        const int f = static_cast<int>((2LL * i + 1) * from / (2LL * to));
        n.index[static_cast<size_t>(i)] = f;
        if (!n.runs.empty() && n.runs.back().from + n.runs.back().length == f) ++n.runs.back().length;
        else n.runs.push_back({i, f, 1});
    }
    return n;
}

void Canvas::putDeviceImage(const QImage& image, int dx, int dy) {
    if (image.isNull()) return;
    // An image made for one scale cannot be drawn again at another.
    replayable_ = false;
    forgetSteps();
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
    // The same pattern again with nothing drawn since (the time bar at every
    // deal) paints the very same pixels: only what the canvas has come to
    // hold since needs it, and gets it as it grows.
    if (showsCover_ && pattern == pattern_) {
        const QSize worth = worthHolding({});
        if (worth != held_) resizeHeld(worth.expandedTo(held_).boundedTo(limit_));
        return;
    }
    coverWith(pattern);
    showsCover_ = true;
    if (!replayable_ ||
        (!steps_.empty() && steps_.back().kind == Step::Kind::Cover && patterns_[steps_.back().source] == pattern_))
        return;
    Step step(Step::Kind::Cover, {});
    const auto known = std::find(patterns_.begin(), patterns_.end(), pattern_);
    step.source = static_cast<uint32_t>(known - patterns_.begin());
    if (known == patterns_.end()) patterns_.push_back(pattern_);
    remember(step);
}

void Canvas::coverWith(std::shared_ptr<const Pattern> pattern) {
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
    forgetSteps();
    showsCover_ = false;
    forgetAt_ = kFewSteps;
    replayable_ = true;
}

}  // namespace mepo
