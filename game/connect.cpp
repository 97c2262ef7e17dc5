#include "connect.h"

namespace mepo {
namespace {

int sgn(int v) { return (v > 0) - (v < 0); }

// Calls f(t) for t from a to b, stepping by one toward b, both ends
// included; stops early and returns true as soon as f returns true.
template <typename F>
bool anyFromTo(int a, int b, F f) {
    const int s = a <= b ? 1 : -1;
    for (int t = a;; t += s) {
        if (f(t)) return true;
        if (t == b) return false;
    }
}

// Steps from a toward b by one; the loop runs zero times when a already lies
// beyond b in the direction of step.
template <typename F>
bool anyStepped(int a, int b, int step, F f) {
    for (int t = a; step > 0 ? t <= b : t >= b; t += step)
        if (f(t)) return true;
    return false;
}

class Search {
public:
    explicit Search(GameState& s) : s_(s) {}

    Connection run() {
        load();
        Connection c;
        if (x1 == x2 && y1 == y2) return c;  // a tile never links with itself
        c.linked = x1 == x2 ? sameColumn() : y1 == y2 ? sameRow() : apart();
        c.framesRaised = framesRaised_;
        return c;
    }

private:
    GameState& s_;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    // True while the candidate under test has met no tile.
    int16_t wayClear = kFalse;
    bool framesRaised_ = false;

    void load() {
        x1 = s_.pick(1, 1);
        y1 = s_.pick(1, 2);
        x2 = s_.pick(2, 1);
        y2 = s_.pick(2, 2);
    }
    void swapPicks() {
        xchg(s_);
        load();
    }
    bool occupied(int c, int r) const { return s_.board(c, r) != 0; }

    bool found(std::initializer_list<Cell> pts) {
        int k = 1;
        for (const Cell& p : pts) {
            s_.path(k, 1) = static_cast<int16_t>(p.col);
            s_.path(k, 2) = static_cast<int16_t>(p.row);
            ++k;
        }
        for (; k <= 4; ++k) s_.path(k, 1) = -1;
        return true;
    }

    // A column k beside both tiles of one column: the path goes out along
    // rows y1 and y2 and along column k between them.
    bool sideColumn(int k) {
        wayClear = kTrue;
        if (anyFromTo(y1, y2, [&](int t) { return occupied(k, t); })) wayClear = kFalse;
        return wayClear == kTrue;
    }

    bool sameColumn() {
        const int s = sgn(y2 - y1);
        // V1: straight.
        if (!anyStepped(y1 + s, y2 - s, s, [&](int t) { return occupied(x1, t); }))
            return found({{x1, y1}, {x2, y2}});
        framesRaised_ = true;
        // V2: around on the right.
        for (int k = x1 + 1; k <= s_.cols + 1; ++k) {
            if (occupied(k, y1) || occupied(k, y2)) break;
            if (sideColumn(k)) return found({{x1, y1}, {k, y1}, {k, y2}, {x2, y2}});
        }
        // V3: around on the left.
        for (int k = x1 - 1; k >= 0; --k) {
            if (occupied(k, y1) || occupied(k, y2)) return false;
            if (sideColumn(k)) return found({{x1, y1}, {k, y1}, {k, y2}, {x2, y2}});
        }
        return false;  // V4
    }

    // A row r above or below both tiles of one row.
    bool sideRow(int r) {
        wayClear = kTrue;
        if (anyFromTo(x1, x2, [&](int u) { return occupied(u, r); })) wayClear = kFalse;
        return wayClear == kTrue;
    }

    bool sameRow() {
        const int s = sgn(x2 - x1);
        // H1: straight.
        if (!anyStepped(x1 + s, x2 - s, s, [&](int t) { return occupied(t, y1); }))
            return found({{x1, y1}, {x2, y2}});
        // H2: around above.
        for (int r = y1 - 1; r >= 0; --r) {
            if (occupied(x1, r) || occupied(x2, r)) break;
            if (sideRow(r)) return found({{x1, y1}, {x1, r}, {x2, r}, {x2, y2}});
        }
        // H3: around below.
        for (int r = y1 + 1; r <= s_.rows + 1; ++r) {
            if (occupied(x1, r) || occupied(x2, r)) return false;
            if (sideRow(r)) return found({{x1, y1}, {x1, r}, {x2, r}, {x2, y2}});
        }
        return false;  // H4
    }

    bool apart() {
        const int sx = sgn(x2 - x1);
        const int sy = sgn(y2 - y1);
        // G1: turning column from the first tile's column to the second's.
        for (int c = x1;; c += sx) {
            wayClear = kTrue;
            if (c != x1 && occupied(c, y1)) {
                wayClear = kFalse;
                break;
            }
            if (anyStepped(y1 + sy, y2 - sy, sy, [&](int t) { return occupied(c, t); }))
                wayClear = kFalse;
            if (anyStepped(c, x2 - sx, sx, [&](int u) { return occupied(u, y2); }))
                wayClear = kFalse;
            if (wayClear == kTrue) {
                if (c == x1) return found({{x1, y1}, {x1, y2}, {x2, y2}});
                if (c == x2) return found({{x1, y1}, {x2, y1}, {x2, y2}});
                return found({{x1, y1}, {c, y1}, {c, y2}, {x2, y2}});
            }
            if (c == x2) break;
        }
        // G2: turning row strictly between the tiles.
        for (int r = y1 + sy; sy > 0 ? r <= y2 - sy : r >= y2 - sy; r += sy) {
            wayClear = kTrue;
            if (occupied(x1, r)) break;
            if (anyFromTo(x1, x2, [&](int u) { return occupied(u, r); })) wayClear = kFalse;
            if (anyStepped(r, y2 - sy, sy, [&](int t) { return occupied(x2, t); }))
                wayClear = kFalse;
            if (wayClear == kTrue) return found({{x1, y1}, {x1, r}, {x2, r}, {x2, y2}});
        }
        // G3: around above both; pick 1 becomes the upper tile.
        if (y1 > y2) swapPicks();
        if (!anyStepped(y2 - 1, y1, -1, [&](int t) { return occupied(x2, t); })) {
            for (int r = y1 - 1; r >= 0; --r) {
                if (occupied(x1, r) || occupied(x2, r)) break;
                if (sideRow(r)) return found({{x1, y1}, {x1, r}, {x2, r}, {x2, y2}});
            }
        }
        // G4: around below both.
        if (!anyStepped(y1 + 1, y2, 1, [&](int t) { return occupied(x1, t); })) {
            for (int r = y2 + 1; r <= s_.rows + 1; ++r) {
                if (occupied(x1, r) || occupied(x2, r)) break;
                if (sideRow(r)) return found({{x1, y1}, {x1, r}, {x2, r}, {x2, y2}});
            }
        }
        // G5: around left of both; pick 1 becomes the left tile.
        if (x1 > x2) swapPicks();
        if (!anyStepped(x2 - 1, x1, -1, [&](int u) { return occupied(u, y2); })) {
            for (int c = x1 - 1; c >= 0; --c) {
                if (occupied(c, y1) || occupied(c, y2)) break;
                if (sideColumn(c)) return found({{x1, y1}, {c, y1}, {c, y2}, {x2, y2}});
            }
        }
        // G6: around right of both.
        if (x1 > x2) swapPicks();
        if (anyStepped(x1 + 1, x2, 1, [&](int u) { return occupied(u, y1); })) return false;
        for (int c = x2 + 1; c <= s_.cols + 1; ++c) {
            if (occupied(c, y1) || occupied(c, y2)) return false;
            if (sideColumn(c)) return found({{x1, y1}, {c, y1}, {c, y2}, {x2, y2}});
        }
        return false;  // G7
    }
};

}  // namespace

void xchg(GameState& s) {
    std::swap(s.pick(1, 1), s.pick(2, 1));
    std::swap(s.pick(1, 2), s.pick(2, 2));
}

Connection connect(GameState& s) { return Search(s).run(); }

std::vector<Cell> pathPoints(const GameState& s) {
    std::vector<Cell> pts;
    for (int k = 1; k <= 4 && s.path(k, 1) != -1; ++k) pts.push_back({s.path(k, 1), s.path(k, 2)});
    return pts;
}

}  // namespace mepo
