// Playing a level: the deal, picking tiles on the board, erasing and
// scoring a link, and passing the level.
#include "game/deal.h"
#include "game/level.h"
#include "game/match.h"
#include "game/selection.h"
#include "session.h"
#include "texts.h"
#include "words.h"

namespace mepo {

void Session::start_Click(int /*index*/) {
    onDeal(phase_);
    applyPhase();
    // A link still waiting for its erase scores, but its cells now show the
    // new board and are left alone.
    forgetPendingPaint(st_);
    tried_ = {};
    deal(st_, rng_);
    front_.drawTiles(st_);
    front_.stripeTimeBar();
    startClock(clock_, setup_.secondsPerGame);
    boardOn_ = true;
    front_.enable(Part::Picture1, true);
    // The keyboard plays at once, from the first tile.
    blank_ = false;
    cursor_ = {1, 1};
    front_.board(BoardNews::Dealt);
    updateShown();
    front_.say(dealWords(st_.level, cursor_, tileName(st_.board(cursor_.col, cursor_.row))));
    restartTimer(TimerId::Timer1);
    front_.caption(Part::start, "重新开始");
    front_.caption(Part::Label1, levelCaption(st_.level));
    front_.centre(Part::Label1);
}

void Session::Picture1_MouseDown(int, int, float x, float y) { pressOn(cellOfPosition(x), cellOfPosition(y)); }

void Session::Picture1_MouseUp(int, int, float x, float y) { releaseOn(cellOfPosition(x), cellOfPosition(y)); }

void Session::pressOn(int col, int row) {
    if (pressCell(st_, col, row)) front_.frameCell({col, row}, true);
}

void Session::releaseOn(int col, int row) {
    const Cell first{st_.pick(1, 1), st_.pick(1, 2)};
    const ReleaseOutcome out = releaseCell(st_, col, row);
    // The search raised both frames on its way, before anything else is drawn.
    if (out.framesRaised) {
        front_.frameCell({st_.pick(1, 1), st_.pick(1, 2)}, false);
        front_.frameCell({st_.pick(2, 1), st_.pick(2, 2)}, false);
    }
    switch (out.what) {
    case Release::Nothing:
    case Release::Selected:
        break;
    case Release::RestoreFrame:
        front_.frameCell({st_.clickCol, st_.clickRow}, false);
        break;
    case Release::SameTile:
    case Release::OtherPicture:
    case Release::NoPath:
        // Qx: the raised frame on pick 1, then on pick 2.
        front_.frameCell({st_.pick(1, 1), st_.pick(1, 2)}, false);
        front_.frameCell({st_.pick(2, 1), st_.pick(2, 2)}, false);
        break;
    case Release::Linked:
        front_.drawLink(st_.pending.back().points);
        setTimer(TimerId::Timer2, true);
        break;
    }
    tellRelease(out, first, {col, row});
}

void Session::tellRelease(const ReleaseOutcome& out, Cell first, Cell at) {
    switch (out.what) {
    case Release::Nothing:
    case Release::RestoreFrame:
        return;
    // A try by L says only how the pair ended, and where the other tile was
    // when it linked.
    case Release::Selected:
        front_.board(BoardNews::Selection, at);
        if (!blank_ && !trying_) front_.say(kPickedWords);
        return;
    case Release::SameTile:
        front_.board(BoardNews::Selection, first);
        if (!blank_ && !trying_) front_.say(kUnpickedWords);
        return;
    case Release::OtherPicture:
    case Release::NoPath:
        front_.board(BoardNews::Selection, first);
        if (!blank_) front_.say(kRefusedWords);
        return;
    case Release::Linked:
        front_.board(BoardNews::Selection, first);
        front_.board(BoardNews::Linked, first, at);
        // At once: the pair has left the board, though it shows till its erase.
        if (!blank_) front_.say(trying_ ? triedLinkWords(*trying_) : kLinkedWords);
        return;
    }
}

void Session::Timer2_Timer() {
    if (scorePendingLinks(st_, [this](Cell c) { front_.eraseCell(c); }) > 0) setScoreCaption(mepo::scoreCaption(st_.score));
    setTimer(TimerId::Timer2, false);
    guoguan();
}

void Session::guoguan() {
    if (!playAreaEmpty(st_)) return;
    onLevelWon(phase_);
    applyPhase();
    front_.message(kLevelWonText);
    st_.level = static_cast<int16_t>(st_.level + 1);
    start_Click(101);
}

}  // namespace mepo
