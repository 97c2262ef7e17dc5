// Small helpers for building boards by hand in the rules' tests.
#pragma once

#include <initializer_list>
#include <vector>

#include "game/random.h"
#include "game/state.h"

namespace mepo::test {

// Sets a tile on each listed cell.
inline void place(GameState& s, std::initializer_list<Cell> cells, int16_t code = 5) {
    for (Cell c : cells) s.board(c.col, c.row) = code;
}

// Fills the whole play area with tiles of a code no pair uses.
inline void fillPlayArea(GameState& s, int16_t code = 99) {
    for (int c = 1; c <= s.cols; ++c)
        for (int r = 1; r <= s.rows; ++r) s.board(c, r) = code;
}

// Selects a pair as two clicks would.
inline void setPicks(GameState& s, Cell a, Cell b) {
    s.pick(1, 0) = s.board(a.col, a.row);
    s.pick(1, 1) = static_cast<int16_t>(a.col);
    s.pick(1, 2) = static_cast<int16_t>(a.row);
    s.pick(2, 0) = s.board(b.col, b.row);
    s.pick(2, 1) = static_cast<int16_t>(b.col);
    s.pick(2, 2) = static_cast<int16_t>(b.row);
}

// Replays a fixed list of draws, then zeros; counts what was drawn.
class ScriptedRandom final : public UniformSource {
public:
    explicit ScriptedRandom(std::vector<double> values = {}) : values_(std::move(values)) {}
    double next() override {
        const double v = drawn_ < values_.size() ? values_[drawn_] : 0.0;
        ++drawn_;
        return v;
    }
    size_t drawn() const { return drawn_; }

private:
    std::vector<double> values_;
    size_t drawn_ = 0;
};

}  // namespace mepo::test
