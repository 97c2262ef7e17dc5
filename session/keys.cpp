// The board from the keyboard. Every deal puts the cursor on the first
// tile; the arrows move it a cell at a time over the tiles and stop at the
// edges, Home and End go to the row's first and last column, N and P to
// the next and previous tile of the cursor's picture in reading order
// (round past the end), and Space or Enter press and release on its cell by
// the same rules as the mouse. For a player who listens: T says the time
// left and the score, R and C the cursor's row and column, A what lies
// around the cursor's cell. L tries a pair without leaving the cursor's
// tile: that tile with the next of its picture, and at the next L with the
// one after (a mouse player's two clicks, or Space, N and Space and back
// again). Each key's words are in words.h.
#include <algorithm>
#include <optional>
#include <vector>

#include "game/same_tile.h"
#include "game/selection.h"
#include "session.h"
#include "words.h"

namespace mepo {

namespace {

enum class KeyRole { None, Move, Press, Jump, Status, Read, Try };

KeyRole roleOf(std::string_view key) {
    if (key == "Left" || key == "Right" || key == "Up" || key == "Down" || key == "Home" || key == "End")
        return KeyRole::Move;
    if (key == "space" || key == "Return" || key == "Enter") return KeyRole::Press;
    if (key == "n" || key == "p") return KeyRole::Jump;
    if (key == "t") return KeyRole::Status;
    if (key == "r" || key == "c" || key == "a") return KeyRole::Read;
    if (key == "l") return KeyRole::Try;
    return KeyRole::None;
}

}  // namespace

bool Session::key(std::string_view name, bool autoRepeat) {
    const KeyRole role = roleOf(name);
    if (role == KeyRole::None) return false;
    // The keys reach the board when a click would: once it takes presses,
    // and never under a message box.
    if (!boardOn_ || gate_.running()) return true;
    HandlerGate::Scope scope(gate_);
    if (role == KeyRole::Status) {
        front_.say(statusWords(clock_, st_.score));
        return true;
    }
    // A blank board has no tiles to move over.
    if (blank_) return true;
    const Cell at = cursor_;
    const std::string here = tileName(st_.board(at.col, at.row));
    if (!shown_) {
        // The first key after the pointer only shows where the cursor stands.
        keyboardLast_ = true;
        updateShown();
        if (shown_) {
            front_.say(placeWords(at) + "，" + here);
            return true;
        }
    }
    const int cols = std::max<int>(1, st_.cols), rows = std::max<int>(1, st_.rows);
    // A step names the cell it reaches; at the edge it goes nowhere.
    auto step = [&](Cell to) {
        if (to == at) return front_.say(kEdgeWords);
        moveCursor(to);
        front_.say(tileName(st_.board(to.col, to.row)));
    };
    if (name == "Left") step({std::max(1, at.col - 1), at.row});
    else if (name == "Right") step({std::min(cols, at.col + 1), at.row});
    else if (name == "Up") step({at.col, std::max(1, at.row - 1)});
    else if (name == "Down") step({at.col, std::min(rows, at.row + 1)});
    else if (name == "Home" || name == "End") {
        const Cell to{name == "Home" ? 1 : cols, at.row};
        moveCursor(to);
        front_.say(columnWords(to.col) + "，" + tileName(st_.board(to.col, to.row)));
    } else if (role == KeyRole::Jump) {
        // The picture is the one just heard: the place alone is news.
        if (auto to = sameTile(st_, at, name == "n" ? 1 : -1)) {
            moveCursor(*to);
            front_.say(placeWords(*to));
        } else {
            front_.say(kNoOtherWords);  // an empty cell, or a lone tile
        }
    } else if (role == KeyRole::Read) {
        if (name == "a") {
            front_.say(aroundWords(st_, at));
        } else {
            std::vector<int> codes;
            if (name == "r")
                for (int c = 1; c <= st_.cols; ++c) codes.push_back(st_.board(c, at.row));
            else
                for (int r = 1; r <= st_.rows; ++r) codes.push_back(st_.board(at.col, r));
            front_.say(lineWords(codes));
        }
    } else if (role == KeyRole::Try) {
        if (!autoRepeat) tryNext(at);
    } else if (!autoRepeat) {
        // Held down, the key presses once; the press and the release are
        // handlers of their own, as the mouse's are.
        gate_.after([this, at] { pressOn(at.col, at.row); });
        gate_.after([this, at] { releaseOn(at.col, at.row); });
    }
    return true;
}

void Session::tryNext(Cell at) {
    const int code = st_.board(at.col, at.row);
    std::optional<Cell> to;
    if (code != 0) {
        // On from the tile tried last from here, while it is still there.
        const bool goOn = tried_.from == at && inPlayArea(st_, tried_.to.col, tried_.to.row) &&
                          st_.board(tried_.to.col, tried_.to.row) == code;
        to = sameTile(st_, goOn ? tried_.to : at, 1);
        if (to && *to == at) to = sameTile(st_, at, 1);
    }
    if (!to) {
        front_.say(kNoOtherWords);  // an empty cell, or a lone tile
        return;
    }
    tried_ = {at, *to};
    // The clicks a mouse player would make, as handlers of their own: let
    // go of a tile picked elsewhere, pick this one, press the other.
    std::vector<Cell> clicks;
    const Cell picked{st_.pick(1, 1), st_.pick(1, 2)};
    if (st_.picked != kFalse && picked != at) clicks.push_back(picked);
    if (st_.picked == kFalse || picked != at) clicks.push_back(at);
    clicks.push_back(*to);
    for (Cell c : clicks) {
        gate_.after([this, c, other = *to] {
            trying_ = other;
            pressOn(c.col, c.row);
            releaseOn(c.col, c.row);
            trying_.reset();
        });
    }
}

void Session::moveCursor(Cell c) {
    if (c == cursor_) return;
    cursor_ = c;
    front_.board(BoardNews::Cursor);
}

void Session::boardFocus(bool focused) {
    focused_ = focused;
    updateShown();
}

void Session::keyboardUsed() {
    if (keyboardLast_) return;
    keyboardLast_ = true;
    updateShown();
}

void Session::pointerUsed() {
    if (!keyboardLast_) return;
    keyboardLast_ = false;
    updateShown();
}

void Session::updateShown() {
    const bool want = focused_ && keyboardLast_ && !blank_;
    if (want == shown_) return;
    shown_ = want;
    front_.board(BoardNews::Cursor);
}

}  // namespace mepo
