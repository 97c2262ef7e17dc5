#include "selection.h"

#include <cmath>

#include "connect.h"
#include "match.h"

namespace mepo {

int cellOfPosition(float twips) {
    const long whole = std::lrint(twips);  // the default rounding: halves to even
    return static_cast<int>(whole / 510);
}

bool inPlayArea(const GameState& s, int col, int row) {
    return col >= 1 && col <= s.cols && row >= 1 && row <= s.rows;
}

static bool holdsTile(const GameState& s, int col, int row) {
    return inPlayArea(s, col, row) && s.board(col, row) != 0;
}

bool pressCell(GameState& s, int col, int row) {
    s.clickCol = static_cast<int16_t>(col);
    s.clickRow = static_cast<int16_t>(row);
    return holdsTile(s, col, row);
}

ReleaseOutcome releaseCell(GameState& s, int col, int row) {
    if (!holdsTile(s, col, row)) return {Release::Nothing};

    if (col != s.clickCol || row != s.clickRow) {
        // Pressed on one cell and released on another: the pressed tile, if
        // it is one, gets its raised frame back, wherever it lies in the play area.
        return {holdsTile(s, s.clickCol, s.clickRow) ? Release::RestoreFrame : Release::Nothing};
    }

    const int16_t code = s.board(col, row);
    if (s.picked == kFalse) {
        s.picked = kTrue;
        s.pick(1, 0) = code;
        s.pick(1, 1) = static_cast<int16_t>(col);
        s.pick(1, 2) = static_cast<int16_t>(row);
        return {Release::Selected};
    }

    s.picked = kFalse;
    s.pick(2, 0) = code;
    s.pick(2, 1) = static_cast<int16_t>(col);
    s.pick(2, 2) = static_cast<int16_t>(row);
    if (s.pick(1, 0) != s.pick(2, 0)) return {Release::OtherPicture};
    if (s.pick(1, 1) == s.pick(2, 1) && s.pick(1, 2) == s.pick(2, 2)) return {Release::SameTile};
    const Connection found = connect(s);
    if (!found) return {Release::NoPath, found.framesRaised};
    takeLink(s);
    return {Release::Linked, found.framesRaised};
}

}  // namespace mepo
