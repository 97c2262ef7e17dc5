// What the session asks of the window, done with the window's controls and
// the drawing on its pictures.
#include "board_view.h"
#include "form1.h"
#include "render/bands.h"
#include "render/frame.h"
#include "render/stripes.h"
#include "render/tiles.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/message_box.h"
#include "ui/toolkit/picture_box.h"

namespace mepo {

void Form1::drawTiles(const GameState& s) {
    loadTileSheet();  // the screen's density may have changed
    drawBoard(Picture1->canvas(), Picture2->canvas(), s);
    Picture1->refresh();
}

void Form1::frameCell(Cell c, bool sunken) {
    if (sunken)
        sunkenFrame(Picture1->canvas(), c.col, c.row);
    else
        raisedFrame(Picture1->canvas(), c.col, c.row);
    Picture1->refresh();
}

void Form1::drawLink(const std::vector<Cell>& points) {
    mepo::drawLink(Picture1->canvas(), points);
    Picture1->refresh();
}

void Form1::eraseCell(Cell c) {
    mepo::eraseCell(Picture1->canvas(), c);
    Picture1->refresh();
}

void Form1::clearBoard() { Picture1->clearPicture(); }

void Form1::stripeTimeBar() {
    mepo::stripeTimeBar(Picture3->canvas());
    Picture3->refresh();
}

void Form1::showTimeLeft(double share) { Picture3->set(Prop::Width, timeBarWidth(share)); }

MenuItem& Form1::item(Part p) {
    switch (p) {
    case Part::pause: return pause;
    case Part::reDo: return reDo;
    case Part::Fail: return Fail;
    case Part::meuOption: return meuOption;
    case Part::meuBase: return meuBase;
    case Part::meuMiddle: return meuMiddle;
    case Part::meuHigh: return meuHigh;
    case Part::help: return help;
    case Part::meuVisitMyWeb: return meuVisitMyWeb;
    case Part::meuMailtoMe: return meuMailtoMe;
    case Part::meuWheretoBuy: return meuWheretoBuy;
    case Part::ab: return ab;
    case Part::exit: return exit;
    default: return start;
    }
}

void Form1::caption(Part p, const std::string& text) {
    switch (p) {
    case Part::Label1: Label1->setCaption(text); break;
    case Part::Label2: Label2->setCaption(text); break;
    case Part::Label3: Label3->setCaption(text); break;
    case Part::Picture1: break;
    default: item(p).setCaption(text); break;
    }
}

void Form1::enable(Part p, bool on) {
    if (p == Part::Picture1)
        Picture1->setEnabled(on);
    else
        item(p).setEnabled(on);
}

void Form1::check(Part p, bool on) { item(p).setChecked(on); }

void Form1::centre(Part p) {
    if (p == Part::Label1) Label1->set(Prop::Left, outerWidth() / 2 - Label1->widthTwips() / 2);
}

void Form1::sizeWindow(double outerWidth, double outerHeight) {
    sizing = 1;
    setOuterWidth(outerWidth);  // laid out and centred before it returns
    setOuterHeight(outerHeight);
    sizing = 0;
}

void Form1::timer(TimerId t, bool on) { timerOf(t).setEnabled(on); }

void Form1::restartTimer(TimerId t) { timerOf(t).restart(); }

void Form1::message(const std::string& text) { showMessage(this, text, desktop()); }

void Form1::say(const std::string& words) { boardView_->say(words); }

void Form1::board(BoardNews what, Cell a, Cell b) { boardView_->news(what, a, b); }

void Form1::openUrl(const std::string& address) {
    if (openUrl_) openUrl_(address);
}

void Form1::close() { QWidget::close(); }

}  // namespace mepo
