// The board as the keyboard and a screen reader meet it. It knows the game
// only through its state, read and never written, the press and release
// that a click on a cell makes, and the board's widget; the window tells it
// of a deal, a release, a link erased, a time-out and a new board size.
//
// - The keyboard's cursor: a cell of the tiles' area (columns 1 ... cols,
//   rows 1 ... rows, never the ring). Every deal gives the board the
//   keyboard, the cursor on the first tile. The arrows move it a cell at a
//   time and stop at the edges, Home and End go to the row's first and
//   last column, N and P to the next and previous tile of the cursor's
//   picture in reading order (wrapping round), and Space or Enter presses
//   and releases the mouse on its cell. T has the screen reader say the
//   time left and the score.
// - Its outline (board_outline.h), painted over the board, shows while the
//   board has the keyboard focus and the keyboard was used last, anywhere in
//   the game.
// - The accessible table of the board's cells (board_access.h), and what
//   the reader is told: the cursor's cell as it moves, and in words of the
//   game's own (board_words.h) a pick, a link with the new score, a refused
//   pair, and the time and score when asked.
// - After a time-out the board is blank until the next deal: no outline,
//   every cell reads 空, and the cursor's keys do nothing. The mouse keeps
//   the rules' behaviour there.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

#include "game/selection.h"
#include "game/state.h"
#include "toolkit/screen_reader.h"

class QKeyEvent;

namespace mepo {

class BoardAccess;
class PictureBox;

class BoardView : public QObject {
public:
    // A press or a release of the mouse at a position on the board, in the
    // board's own units; each runs as a handler of its own.
    using Click = std::function<void(float x, float y)>;

    BoardView(const GameState& state, PictureBox& board, Click press, Click release);
    ~BoardView() override;

    // The view a board widget carries, if any.
    static BoardView* of(const QObject* board);

    // ---- What the window tells ----
    // A new board: the cursor on the first tile, the board given the keyboard.
    void dealt();
    // A release on the board has been handled: a tile picked, a pair refused
    // or linked (its words wait for the erase).
    void released(Release outcome);
    // The display tick erased and scored the links that waited.
    void linkErased();
    // The time ran out: the board is blank until the next deal.
    void timedOut();
    // The board's size (cols x rows) changed.
    void gridChanged();

    // ---- What it shows ----
    const GameState& state() const { return state_; }
    PictureBox& board() const { return board_; }
    Cell cursor() const { return cursor_; }
    bool outlineShown() const { return shown_; }
    bool blank() const { return blank_; }
    // The board holds the keyboard focus.
    bool focused() const;
    // The board's side for screen readers.
    BoardAccess& access() const { return *access_; }

    // Where the board's words go: the screen reader unless replaced.
    ReaderVoice say = sayToScreenReader;
    // Called after every change of the cursor's cell, and whenever the
    // outline comes or goes.
    std::function<void()> onMoved;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // A key on the board; true if it was the board's.
    bool boardKey(const QKeyEvent& e);
    void moveTo(Cell c);
    void pressCell();
    void updateShown();
    // Tells the reader the cursor's cell has the focus, once the events of
    // the moment (Qt's own focus news of the board) have gone.
    void tellFocusSoon();
    void tellFocus();
    // Words for the reader, about the object it follows.
    void speak(const QString& words);

    const GameState& state_;
    PictureBox& board_;
    Click press_, release_;
    std::unique_ptr<BoardAccess> access_;
    Cell cursor_{1, 1};
    bool focused_ = false;       // the board holds the keyboard focus
    bool keyboardLast_ = false;  // a key was pressed after the last mouse press
    bool shown_ = false;
    bool blank_ = false;
    bool focusTold_ = false;     // the reader was told the cursor's cell has the focus
    bool tellPending_ = false;
    Cell picked_;                // the tile picked first, which a pair's outcome unpicks
    int linkedCode_ = 0;         // the picture of the last link, until its erase
};

}  // namespace mepo
