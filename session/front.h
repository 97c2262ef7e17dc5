// What the session asks of whatever shows the game: the window, or a test's
// stand-in. The session calls it in the order of each handler's steps, and
// a message blocks until the player has closed it, the handler going on
// afterwards; so the front is called, not handed a list of what to do.
#pragma once

#include <string>
#include <vector>

#include "game/state.h"

namespace mepo {

// The parts of the window that the game addresses by name.
enum class Part {
    Label1,     // the level
    Label2,     // the time left
    Label3,     // the score
    Picture1,   // the board
    start,      // 开始游戏 / 重新开始
    pause,      // 暂停
    reDo,       // 继续
    Fail,       // 放弃
    meuOption,  // the settings menu, 设置
    meuBase,    // 初级
    meuMiddle,  // 中级
    meuHigh,    // 高级
    help,           // 使用说明
    meuVisitMyWeb,  // 软件主页..
    meuMailtoMe,    // Sorrel主页...
    meuWheretoBuy,  // Where To Buy...
    ab,             // 关于Mepo(Tazu造型版)
    exit,           // 退出
};

enum class TimerId {
    Timer1,  // the countdown, one tick a second
    Timer2,  // the path display, 300 ms after a link
};

// What the board's readers (a screen reader) are told has changed.
enum class BoardNews {
    Dealt,      // a new board: every cell may read anew; the board takes the keyboard
    Blanked,    // the time ran out: every cell reads empty until the next deal
    Linked,     // the cells a and b were emptied
    Selection,  // the tile at a was picked, or lost its pick
    Cursor,     // the cursor moved, or its outline came or went
    Reshaped,   // the board has another number of columns and rows
};

class Front {
public:
    virtual ~Front() = default;

    // ---- The board (Picture1) and the time bar (Picture3) ----
    // Every tile of the play area, rows outer and columns inner, shown at once.
    virtual void drawTiles(const GameState& s) = 0;
    // The cell's frame: sunken (pressed, picked) or raised.
    virtual void frameCell(Cell c, bool sunken) = 0;
    // A link's bands, segment after segment.
    virtual void drawLink(const std::vector<Cell>& points) = 0;
    // The whole cell light grey.
    virtual void eraseCell(Cell c) = 0;
    // An empty picture: the board shows its plain background.
    virtual void clearBoard() = 0;
    virtual void stripeTimeBar() = 0;
    // The bar's width for the share of the time left (0 to 1).
    virtual void showTimeLeft(double share) = 0;

    // ---- Controls ----
    virtual void caption(Part p, const std::string& text) = 0;
    virtual void enable(Part p, bool on) = 0;
    virtual void check(Part p, bool on) = 0;
    // Centred across the window (the level label, at a deal).
    virtual void centre(Part p) = 0;
    // The window's outer size, in twips, for a difficulty: laid out anew and
    // centred on its screen before the call returns.
    virtual void sizeWindow(double outerWidth, double outerHeight) = 0;

    // ---- Timers ----
    // Enabling a running timer leaves its rhythm alone.
    virtual void timer(TimerId t, bool on) = 0;
    // Running, its next tick one interval from now.
    virtual void restartTimer(TimerId t) = 0;

    // ---- Words ----
    // A modal message box titled with the window's caption, OK only;
    // returns once the player has closed it.
    virtual void message(const std::string& text) = 0;
    // Words for a screen reader, if one listens.
    virtual void say(const std::string& words) = 0;
    virtual void board(BoardNews what, Cell a = {}, Cell b = {}) = 0;

    // ---- The shell ----
    // Hands a web address to the desktop's browser; returns at once.
    virtual void openUrl(const std::string& address) = 0;
    // Closes the window, which ends the game.
    virtual void close() = 0;
};

}  // namespace mepo
