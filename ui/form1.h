// Form1, the game's one window: its controls and menus as designed, laid
// out in proportion to its client area whenever that changes size. It hands
// every event to the game's session (session/session.h), which it owns, and
// shows what the session asks of it; it keeps no game state of its own.
#pragma once

#include <memory>
#include <vector>

#include "session/front.h"
#include "session/session.h"
#include "ui/toolkit/form_window.h"
#include "ui/toolkit/interval_timer.h"
#include "ui/toolkit/menu_item.h"
#include "ui/toolkit/url_opener.h"

namespace mepo {

class BoardView;
class Control;
class Input;
class Label;
class PictureBox;

class Form1 : public FormWindow, private Front {
public:
    struct Options {
        SessionSetup session;
        // Where web addresses go (the desktop's browser for the program).
        UrlOpener openUrl;
    };
    // On that desktop, which must outlive the window.
    Form1(Desktop& desktop, Options options);
    ~Form1() override;

    Session& session() { return session_; }
    const Session& session() const { return session_; }
    // Every control, menu items and timers included, in the window's order.
    const std::vector<Control*>& controls() const { return controls_; }

protected:
    void clientResized() override { Form_Resize(); }
    void closeEvent(QCloseEvent* e) override;

private:
    // ---- Load and layout (form1_layout.cpp) ----
    void Form_Load();
    void Form_Resize();
    // The time bar's width for a share of the time left: of its design width
    // of 7215 twips, scaled by the window's outer width against the client
    // width at load.
    double timeBarWidth(double share) const;

    // ---- What the session asks (form1_front.cpp) ----
    void drawTiles(const GameState& s) override;
    void frameCell(Cell c, bool sunken) override;
    void drawLink(const std::vector<Cell>& points) override;
    void eraseCell(Cell c) override;
    void clearBoard() override;
    void stripeTimeBar() override;
    void showTimeLeft(double share) override;
    void caption(Part p, const std::string& text) override;
    void enable(Part p, bool on) override;
    void check(Part p, bool on) override;
    void centre(Part p) override;
    void sizeWindow(double outerWidth, double outerHeight) override;
    void timer(TimerId t, bool on) override;
    void restartTimer(TimerId t) override;
    void message(const std::string& text) override;
    void say(const std::string& words) override;
    void board(BoardNews what, Cell a, Cell b) override;
    void openUrl(const std::string& address) override;
    void close() override;
    MenuItem& item(Part p);
    IntervalTimer& timerOf(TimerId t) { return t == TimerId::Timer1 ? Timer1 : Timer2; }

    // ---- Construction (form1.cpp) ----
    void buildControls();
    void loadTileSheet();
    void buildMenus();
    void connectHandlers();

    Session session_;
    UrlOpener openUrl_;

    // ---- Controls, in the window's order ----
    PictureBox* Picture3;  // the time bar, drawn in pixels
    PictureBox* Picture1;  // the board, drawn in twips
    PictureBox* Picture2;  // the hidden tile sheet inside the board
    IntervalTimer Timer2{"Timer2", 300};   // path display: erase the link
    IntervalTimer Timer1{"Timer1", 1000};  // countdown
    Label* Label3;  // score
    Label* Label2;  // remaining time
    Label* Label1;  // level

    // ---- Menus ----
    MenuItem game, start, sdf, pause, reDo, Fail, bar, exit;
    MenuItem meuOption, meuBase, meuMiddle, meuHigh;
    MenuItem dtmh, help, barhelpfile, meuVisitMyWeb, meuMailtoMe, meuWheretoBuy, barAboutMepo, ab;

    std::vector<Control*> controls_;
    // The layout's design size, and whether a difficulty is resizing the window.
    int32_t designW = 0;  // client width at load, twips
    int32_t designH = 0;  // client height at load, twips
    int16_t sizing = 0;   // 1 while a difficulty command resizes the window

    // The board as the keyboard and screen readers meet it, and the one
    // place that takes the window's input.
    std::unique_ptr<BoardView> boardView_;
    std::unique_ptr<Input> input_;
};

}  // namespace mepo
