// Playing a level: the deal, picking tiles on the board, erasing and
// scoring a link, and passing the level.
#include "board_view.h"
#include "form1.h"
#include "game/deal.h"
#include "game/level.h"
#include "game/match.h"
#include "game/selection.h"
#include "render/bands.h"
#include "render/frame.h"
#include "render/geometry.h"
#include "render/stripes.h"
#include "render/tiles.h"
#include "texts.h"

namespace mepo {

void Form1::start_Click(int /*index*/) {
    onDeal(phase);
    applyPhase();
    // A link still waiting for its erase scores, but its cells now show the
    // new board and are left alone.
    forgetPendingPaint(st);
    deal(st, rng);
    loadTileSheet();  // the screen's density may have changed
    drawBoard(Picture1->canvas(), Picture2->canvas(), st);
    Picture1->refresh();
    stripeTimeBar(Picture3->canvas());
    Picture3->refresh();
    Picture1->setEnabled(true);
    boardView->dealt();
    Timer1.restart();
    start.setCaption("重新开始");
    Label1->setCaption(levelCaption(st.level));
    Label1->set(Prop::Left, outerWidth() / 2 - Label1->widthTwips() / 2);
}

void Form1::Picture1_MouseDown(int, int, float x, float y) {
    if (pressCell(st, cellOfPosition(x), cellOfPosition(y))) {
        sunkenFrame(Picture1->canvas(), st.clickCol, st.clickRow);
        Picture1->refresh();
    }
}

void Form1::Picture1_MouseUp(int, int, float x, float y) {
    Canvas& board = Picture1->canvas();
    const Release outcome = releaseCell(st, cellOfPosition(x), cellOfPosition(y), [&] { Qx(board, st); });
    boardView->released(outcome);
    switch (outcome) {
    case Release::Nothing:
    case Release::Selected:
        return;
    case Release::RestoreFrame:
        raisedFrame(board, st.clickCol, st.clickRow);
        break;
    case Release::Failed:
        Qx(board, st);
        break;
    case Release::Linked:
        drawLink(board, st.pending.back().points);
        Timer2.setEnabled(true);
        break;
    }
    Picture1->refresh();
}

void Form1::Timer2_Timer() {
    if (scorePendingLinks(st, [this](Cell c) { eraseCell(Picture1->canvas(), c); }) > 0) {
        Label3->setCaption(scoreCaption(st.score));
        Picture1->refresh();
    }
    boardView->linkErased();
    Timer2.setEnabled(false);
    guoguan();
}

void Form1::guoguan() {
    if (!playAreaEmpty(st)) return;
    onLevelWon(phase);
    applyPhase();
    message(kLevelWonText);
    st.level = static_cast<int16_t>(st.level + 1);
    start_Click(101);
}

}  // namespace mepo
