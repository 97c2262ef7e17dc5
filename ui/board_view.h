// The board as the keyboard and a screen reader meet it, in the window: the
// outline of the session's cursor, painted over the board's picture, and the
// accessible table of the board's cells (board_access.h), which readers read
// and which is told what changed. It reads the session, never writes it, and
// keeps nothing of the game: the session tells it the news (session/front.h).
//
// For a screen reader the board is one object, the table: it keeps the
// focus while the cursor moves, and the game's words (session/words.h) say
// what each key did, each as short as the game can make it. A reader that
// followed the cursor from cell to cell would read each cell's name, place
// and row by itself, many times what a player needs.
#pragma once

#include <QObject>
#include <string>

#include "game/state.h"
#include "session/front.h"
#include "ui/toolkit/screen_reader.h"

namespace mepo {

class BoardAccess;
class PictureBox;
class Session;

class BoardView : public QObject {
public:
    BoardView(const Session& session, PictureBox& board);
    ~BoardView() override;

    // The view a board widget carries, if any.
    static BoardView* of(const QObject* board);

    // ---- What the session tells ----
    void news(BoardNews what, Cell a, Cell b);
    // Words for the reader, about the board, the object it follows: at
    // once while the board has the focus, otherwise once it has it again
    // and the reader has heard so (the latest words only), since a reader
    // drops words about an object it does not follow.
    void say(const std::string& words);

    const Session& session() const { return session_; }
    PictureBox& board() const { return board_; }
    // The board's side for screen readers.
    BoardAccess& access() const { return *access_; }

    // Where the board's words go: the screen reader unless replaced (a test's ear).
    ReaderVoice voice;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void paintOutline();
    void speak(const QString& words);

    const Session& session_;
    PictureBox& board_;
    ScreenReader reader_;
    std::unique_ptr<BoardAccess> access_;
    Cell painted_{1, 1};  // where the outline was last painted
    QString waiting_;     // words said while the board had no focus
};

}  // namespace mepo
