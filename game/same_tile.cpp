#include "same_tile.h"

#include "selection.h"

namespace mepo {

std::optional<Cell> sameTile(const GameState& s, Cell from, int step) {
    if (!inPlayArea(s, from.col, from.row) || (step != 1 && step != -1)) return std::nullopt;
    const int16_t code = s.board(from.col, from.row);
    if (code == 0) return std::nullopt;
    const int cells = s.cols * s.rows;
    const int start = (from.row - 1) * s.cols + (from.col - 1);
    for (int n = 1; n < cells; ++n) {
        const int i = ((start + step * n) % cells + cells) % cells;
        const Cell c{i % s.cols + 1, i / s.cols + 1};
        if (s.board(c.col, c.row) == code) return c;
    }
    return std::nullopt;
}

}  // namespace mepo
