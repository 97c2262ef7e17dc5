// The rules' state of one run of the game: the board grid, the two picked
// tiles, the path of the last link, the level and the score. Plain data,
// read and written directly by the rules; the clock is the flow's
// (flow/countdown.h), the layout the window's.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace mepo {

// Fixed size of the board grid: the largest play area (24 x 14) plus one
// empty ring cell on every side.
inline constexpr int kGridCols = 26;
inline constexpr int kGridRows = 16;

// Flags hold -1 for true and 0 for false, as everywhere in the game.
inline constexpr int16_t kTrue = -1;
inline constexpr int16_t kFalse = 0;

// One point of a link: a cell given by column and row.
struct Cell {
    int col = 0;
    int row = 0;
    friend bool operator==(const Cell&, const Cell&) = default;
};

// A link found by the connection search and still waiting to be erased:
// its two to four corner points, tiles first and last.
struct Link {
    std::vector<Cell> points;
    int16_t code = 0;  // the picture of its two tiles
    // The play area (columns 1..dealtCols, rows 1..dealtRows) that a later
    // deal drew its tiles over; 0 while no deal did.
    int dealtCols = 0;
    int dealtRows = 0;
};

struct GameState {
    // Board grid, 26 columns x 16 rows, stored column-fastest: cell (col, row)
    // is element row * 26 + col. 0 is an empty cell, anything else a tile code.
    std::array<int16_t, kGridCols * kGridRows> cells{};

    int16_t& board(int col, int row) { return cells[row * kGridCols + col]; }
    int16_t board(int col, int row) const { return cells[row * kGridCols + col]; }

    // The two selected tiles. pick(n, 0) is the code, pick(n, 1) the column and
    // pick(n, 2) the row of tile n = 1 or 2. Stored as code 1, code 2, column 1,
    // column 2, row 1, row 2.
    std::array<int16_t, 6> picks{};
    int16_t& pick(int n, int k) { return picks[k * 2 + (n - 1)]; }
    int16_t pick(int n, int k) const { return picks[k * 2 + (n - 1)]; }

    // The path of the last link: path(k, 1) is the column and path(k, 2) the
    // row of point k = 1..4; a column of -1 follows the last point. Stored as
    // column 1..4, then row 1..4.
    std::array<int16_t, 8> paths{};
    int16_t& path(int k, int j) { return paths[(j - 1) * 4 + (k - 1)]; }
    int16_t path(int k, int j) const { return paths[(j - 1) * 4 + (k - 1)]; }

    int16_t cols = 12;       // columns of the play area
    int16_t rows = 10;       // rows of the play area
    int16_t clickCol = 0;    // cell under the last press on the board
    int16_t clickRow = 0;
    int16_t picked = kFalse;  // a first tile is selected
    int16_t level = 1;        // current level, from 1
    // Points since start-up, never reset. Wide enough that no reachable
    // play overflows it (a 24 x 14 level alone is worth thousands).
    int64_t score = 0;

    // Links drawn but not yet erased and scored, oldest first.
    std::vector<Link> pending;
};

}  // namespace mepo
