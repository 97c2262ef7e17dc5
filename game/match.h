// A linked pair: its tiles leave the grid at once; one display tick later
// every cell of the link is erased and scored.
#pragma once

#include <functional>
#include <vector>

#include "state.h"

namespace mepo {

inline constexpr int kPointsPerCell = 10;

// Success of a search: empties both tiles' cells and queues the link that
// s.path describes, to be erased at the next display tick.
void takeLink(GameState& s);

// The cells a link visits, segment by segment from point 1 on, both ends of
// every segment included: a turn cell is visited twice.
std::vector<Cell> visitedCells(const std::vector<Cell>& points);

// What one link is worth: 10 for every visited cell.
int linkScore(const std::vector<Cell>& points);

// The display tick: visits the cells of every pending link, oldest first,
// adding 10 to the score for each and calling erase(cell) for every cell
// that still shows the link (not those a later deal drew tiles over).
// Returns the number of cells visited.
int scorePendingLinks(GameState& s, const std::function<void(Cell)>& erase);

// A new deal over the current play area: pending links still score, but
// their cells inside that area now show the new board and are not painted
// over; their cells in the ring and beyond are still erased.
void forgetPendingPaint(GameState& s);

}  // namespace mepo
