// Form1, the game's one window: its controls and menus, and the handlers
// of every event. The handlers only orchestrate: the rules live in game/,
// the clock, phases and difficulties in flow/, the drawing in render/.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "flow/difficulty.h"
#include "flow/phase.h"
#include "game/random.h"
#include "game/state.h"
#include "toolkit/form_window.h"
#include "toolkit/interval_timer.h"
#include "toolkit/label.h"
#include "toolkit/menu_item.h"
#include "toolkit/picture_box.h"
#include "toolkit/url_opener.h"

namespace mepo {

class BoardView;

class Form1 : public FormWindow {
public:
    Form1();
    ~Form1() override;

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

    // Every control, menu items and timers included, in the window's order.
    const std::vector<Control*>& controls() const { return controls_; }

    // ---- Game state ----
    GameState st;
    Phase phase;
    SeededRandom rng;

    // The board as the keyboard and screen readers meet it: its cursor, the
    // cursor's outline and the table of cells readers read.
    std::unique_ptr<BoardView> boardView;

    // ---- Handlers ----
    void Form_Load();
    void Form_Resize();
    void start_Click(int index);
    void Picture1_MouseDown(int button, int shift, float x, float y);
    void Picture1_MouseUp(int button, int shift, float x, float y);
    void Timer2_Timer();
    void guoguan();  // "过关": the level is passed when the play area is empty
    void Timer1_Timer();
    void pause_Click();
    void reDo_Click();
    void Fail_Click();
    void meuBase_Click();
    void meuMiddle_Click();
    void meuHigh_Click();
    void uncheckDifficulty();
    void help_Click(int index);
    void ab_Click(int index);
    void meuVisitMyWeb_Click();
    void meuMailtoMe_Click();
    void meuWheretoBuy_Click();
    void exit_Click(int index);

    // Where web addresses go; the desktop's browser unless replaced.
    UrlOpener openUrl;

protected:
    void clientResized() override { Form_Resize(); }
    void closeEvent(QCloseEvent* e) override;

private:
    void buildControls();
    void loadTileSheet();
    void buildMenus();
    void connectHandlers();
    void applyPhase();
    void chooseDifficulty(Difficulty d, MenuItem& item);
    void message(const std::string& text);

    std::vector<Control*> controls_;
};

}  // namespace mepo
