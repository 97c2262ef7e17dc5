// The board from the keyboard. Every deal puts the cursor on the first
// tile; the arrows move it a cell at a time over the tiles and stop at the
// edges, Home and End go to the row's first and last column, N and P to
// the next and previous tile of the cursor's picture in reading order
// (round past the end), and Space or Enter press and release on its cell by
// the same rules as the mouse. T says the time left and the score.
#include <algorithm>

#include "game/same_tile.h"
#include "session.h"
#include "words.h"

namespace mepo {

namespace {

enum class KeyRole { None, Move, Press, Jump, Status };

KeyRole roleOf(std::string_view key) {
    if (key == "Left" || key == "Right" || key == "Up" || key == "Down" || key == "Home" || key == "End")
        return KeyRole::Move;
    if (key == "space" || key == "Return" || key == "Enter") return KeyRole::Press;
    if (key == "n" || key == "p") return KeyRole::Jump;
    if (key == "t") return KeyRole::Status;
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
        front_.say(statusWords(timeCaption(clock_), st_.score));
        return true;
    }
    // A blank board has no tiles to move over.
    if (blank_) return true;
    if (!shown_) {
        // The first key after the pointer only shows where the cursor stands.
        keyboardLast_ = true;
        updateShown();
        if (shown_) return true;
    }
    const Cell at = cursor_;
    const int cols = std::max<int>(1, st_.cols), rows = std::max<int>(1, st_.rows);
    if (name == "Left") moveCursor({std::max(1, at.col - 1), at.row});
    else if (name == "Right") moveCursor({std::min(cols, at.col + 1), at.row});
    else if (name == "Up") moveCursor({at.col, std::max(1, at.row - 1)});
    else if (name == "Down") moveCursor({at.col, std::min(rows, at.row + 1)});
    else if (name == "Home") moveCursor({1, at.row});
    else if (name == "End") moveCursor({cols, at.row});
    else if (role == KeyRole::Jump) {
        if (auto to = sameTile(st_, at, name == "n" ? 1 : -1))
            moveCursor(*to);
        else
            front_.say(tileName(st_.board(at.col, at.row)));  // an empty cell, or a lone tile
    } else if (!autoRepeat) {
        // Held down, the key presses once; the press and the release are
        // handlers of their own, as the mouse's are.
        gate_.after([this, at] { pressOn(at.col, at.row); });
        gate_.after([this, at] { releaseOn(at.col, at.row); });
    }
    return true;
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
