#include "deal.h"

#include <utility>

namespace mepo {

void deal(GameState& s, UniformSource& random) {
    s.cells.fill(0);
    for (int i = 1; i <= s.cols; ++i)
        for (int j = 1; j <= s.rows; ++j) s.board(i, j) = static_cast<int16_t>(tileCode(s.level, i));

    // Four draws per exchange, in this order: x1, y1, x2, y2. The product is
    // never negative, so dropping its fraction takes its floor.
    auto draw = [&](int n) { return static_cast<int>(random.next() * n) + 1; };
    for (int n = s.cols * s.rows; n > 0; --n) {
        const int x1 = draw(s.cols);
        const int y1 = draw(s.rows);
        const int x2 = draw(s.cols);
        const int y2 = draw(s.rows);
        std::swap(s.board(x1, y1), s.board(x2, y2));
    }

    s.picked = kFalse;
}

}  // namespace mepo
