#include "match.h"

#include "connect.h"

namespace mepo {

void takeLink(GameState& s) {
    s.board(s.pick(1, 1), s.pick(1, 2)) = 0;
    s.board(s.pick(2, 1), s.pick(2, 2)) = 0;
    s.pending.push_back({pathPoints(s), s.pick(1, 0)});
}

std::vector<Cell> visitedCells(const std::vector<Cell>& points) {
    std::vector<Cell> cells;
    for (size_t a = 0; a + 1 < points.size(); ++a) {
        const Cell from = points[a];
        const Cell to = points[a + 1];
        if (from.col == to.col) {
            const int s = from.row <= to.row ? 1 : -1;
            for (int r = from.row;; r += s) {
                cells.push_back({from.col, r});
                if (r == to.row) break;
            }
        } else if (from.row == to.row) {
            const int s = from.col <= to.col ? 1 : -1;
            for (int c = from.col;; c += s) {
                cells.push_back({c, from.row});
                if (c == to.col) break;
            }
        }
    }
    return cells;
}

int linkScore(const std::vector<Cell>& points) {
    return kPointsPerCell * static_cast<int>(visitedCells(points).size());
}

int scorePendingLinks(GameState& s, const std::function<void(Cell)>& erase) {
    int visited = 0;
    for (const Link& link : s.pending) {
        for (const Cell& c : visitedCells(link.points)) {
            const bool dealtOver = c.col >= 1 && c.col <= link.dealtCols && c.row >= 1 && c.row <= link.dealtRows;
            if (!dealtOver && erase) erase(c);
            s.score += kPointsPerCell;
            ++visited;
        }
    }
    s.pending.clear();
    return visited;
}

void forgetPendingPaint(GameState& s) {
    for (Link& link : s.pending) {
        link.dealtCols = s.cols;
        link.dealtRows = s.rows;
    }
}

}  // namespace mepo
