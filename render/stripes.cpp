#include "stripes.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace mepo {
namespace {

constexpr int kLines = 10000;
constexpr int kRows = 30;  // a line runs 30 pixels down; its end is not drawn

class Stripes : public Pattern {
public:
    Stripes() {
        colour_[0] = 0;  // no line 0
        for (int g = 1; g <= kLines; ++g) colour_[g] = qRgb((25 * g) % 256, 0, 255);
    }
    int rows() const override { return kRows; }
    void paintRow(int y, int x0, const int* column, int n, QRgb* out) const override {
        if (!column) {
            // Pixel x + i shows line x + i + y: one run of the colour table.
            const int from = std::max(0, 1 - y - x0), to = std::min(n, kLines + 1 - y - x0);
            if (from < to)
                std::memcpy(out + from, colour_.data() + x0 + y + from, static_cast<size_t>(to - from) * sizeof(QRgb));
            return;
        }
        for (int i = 0; i < n; ++i) {
            const int g = column[i] + y;
            if (g >= 1 && g <= kLines) out[i] = colour_[g];
        }
    }

    // Pixel (x, y) lies on line x + y; pixel (0, 0), on no line, is left alone.
    QRect solid() const override { return QRect(QPoint(1, 0), QPoint(kLines - kRows + 1, kRows - 1)); }

private:
    std::array<QRgb, kLines + 1> colour_;
};

}  // namespace

void stripeTimeBar(Canvas& bar) {
    static const std::shared_ptr<const Pattern> stripes = std::make_shared<Stripes>();
    bar.cover(stripes);
}

}  // namespace mepo
