#include "level.h"

namespace mepo {

bool playAreaEmpty(const GameState& s) {
    for (int i = 1; i <= s.cols; ++i)
        for (int j = 1; j <= s.rows; ++j)
            if (s.board(i, j) != 0) return false;
    return true;
}

}  // namespace mepo
