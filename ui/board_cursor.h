// The keyboard cursor on the board: the arrows move it one cell at a time
// over the tiles' area (columns 1 ... cols, rows 1 ... rows, never the
// ring), Home and End go to the row's first and last column, and Space or
// Enter acts as a press and a release of the mouse on its cell. It is drawn
// as an outline over the board's widget, never into the board's picture, and
// shows only while the board has the keyboard focus and the keyboard was
// used last.
#pragma once

#include <QWidget>
#include <functional>

class QKeyEvent;

namespace mepo {

class Form1;
class PictureBox;

class BoardCursor : public QWidget {
public:
    // Lays itself over the form's board (Picture1) and takes its keys.
    explicit BoardCursor(Form1& form);

    int col() const { return col_; }
    int row() const { return row_; }
    // True while the outline shows: the board has the focus and the
    // keyboard was used last.
    bool shown() const;

    // Back to column 1, row 1 (at a deal).
    void home();
    // Kept inside the grid of cols x rows (after a difficulty change).
    void keepInside();

    // Called after every change of the cursor's cell, and whenever it shows
    // or hides: the board read aloud follows it.
    std::function<void()> onMoved;

protected:
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // A key on the board; true if it was the cursor's.
    bool boardKey(const QKeyEvent& e);
    void moveTo(int col, int row);
    // A press and a release of the mouse on the cursor's cell.
    void pressCell();
    // Shown or hidden as the focus and the last input say.
    void updateShown();
    // One of the window's menus (游戏, 设置, 帮助).
    bool isGameMenu(QObject* o) const;
    // A menu closed by Esc: the keyboard goes back to the board.
    void menuClosed();

    Form1& form_;
    // The board, kept apart from the form: while the form goes, the board
    // (and the cursor on it) outlives the rest of the form's state.
    PictureBox& board_;
    int col_ = 1;
    int row_ = 1;
    bool focused_ = false;       // the board holds the keyboard focus
    bool keyboardLast_ = false;  // a key was pressed after the last mouse press
    bool shown_ = false;
    bool closingMenu_ = false;   // an Esc being handed on to its menu
};

}  // namespace mepo
