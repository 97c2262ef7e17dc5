// Form1 as designed: caption, controls at their design places, menus.
#include "form1.h"

#include <QCloseEvent>
#include <QMenuBar>

#include "assets/assets.h"
#include "board_view.h"
#include "input.h"
#include "render/geometry.h"
#include "render/sheet.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/picture_box.h"

namespace mepo {

namespace {

struct Place {
    double left, top, width, height;  // twips
};

void placeAt(WidgetControl& c, Place p) { c.move(p.left, p.top, p.width, p.height); }

QFont labelFont(const char* family, double points, bool bold) {
    QFont f(QString::fromUtf8(family));
    f.setPointSizeF(points);
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    return f;
}

}  // namespace

Form1::Form1(Desktop& desktop, Options options)
    : FormWindow(desktop, {[this] { return session_.busy(); },
                           [this](std::function<void()> work) { session_.gate().run(std::move(work)); }}),
      session_(*this, std::move(options.session)),
      openUrl_(std::move(options.openUrl)),
      game(MenuItem::Menu, "game", "游戏", 100),
      start(MenuItem::Item, "start", "开始游戏", 101),
      sdf(MenuItem::Item, "sdf", "-", 102),
      pause(MenuItem::Item, "pause", "暂停"),
      reDo(MenuItem::Item, "reDo", "继续"),
      Fail(MenuItem::Item, "Fail", "放弃"),
      bar(MenuItem::Item, "bar", "-"),
      exit(MenuItem::Item, "exit", "退出", 103),
      meuOption(MenuItem::Menu, "meuOption", "设置"),
      meuBase(MenuItem::Item, "meuBase", "初级"),
      meuMiddle(MenuItem::Item, "meuMiddle", "中级"),
      meuHigh(MenuItem::Item, "meuHigh", "高级"),
      dtmh(MenuItem::Menu, "dtmh", "帮助", 200),
      help(MenuItem::Item, "help", "使用说明", 103),
      barhelpfile(MenuItem::Item, "barhelpfile", "-"),
      meuVisitMyWeb(MenuItem::Item, "meuVisitMyWeb", "软件主页.."),
      meuMailtoMe(MenuItem::Item, "meuMailtoMe", "Sorrel主页..."),
      meuWheretoBuy(MenuItem::Item, "meuWheretoBuy", "Where To Buy..."),
      barAboutMepo(MenuItem::Item, "barAboutMepo", "-"),
      ab(MenuItem::Item, "ab", "关于Mepo(Tazu造型版)", 201) {
    setWindowTitle(QStringLiteral("Mepo(Tazu造型版)"));
    setWindowIcon(gameIcon());
    buildControls();
    buildMenus();
    connectHandlers();

    // The design client area: 7485 x 7110 twips.
    setDesignClientSize(499, 474);
    Form_Load();
    // Centred on the screen when first shown.
    centreOnScreen(0);
}

// The board's view and the input go first, while the session they read and
// the widgets they watch are still here.
Form1::~Form1() {
    input_.reset();
    boardView_.reset();
}

void Form1::buildControls() {
    QWidget* area = client();
    Picture3 = new PictureBox("Picture3", area, 1);
    Picture1 = new PictureBox("Picture1", area, kTwipsPerPixel, {kGridWidthPx, kGridHeightPx}, Canvas::Layout::Cells);
    Picture2 = new PictureBox("Picture2", Picture1, kTwipsPerPixel, {340, 204}, Canvas::Layout::Sheet);
    Label3 = new Label("Label3", area);
    Label2 = new Label("Label2", area);
    Label1 = new Label("Label1", area);

    placeAt(*Picture3, {120, 480, 7215, 255});
    placeAt(*Picture1, {120, 840, 7215, 6120});
    placeAt(*Picture2, {960, 1080, 5145, 3105});
    Picture2->hide();
    // The tile sheet is made ready by the first deal (not before the window
    // first shows); on a screen of another density the board is drawn again
    // there, its tiles copied from the sheet made ready at that density first.
    Picture1->beforeScale = [this](qreal) { loadTileSheet(); };
    Picture1->setEnabled(false);  // a deal switches the board on
    Picture1->showSunkenBorder();

    Label3->setFont(labelFont("宋体", 10.5, true));
    Label2->setFont(labelFont("宋体", 10.5, true));
    Label1->setFont(labelFont("幼圆", 15.75, false));
    Label3->setCaption("得分:0");
    Label2->setCaption("剩余时间:180秒");
    Label1->setCaption("现在是第0关");
    placeAt(*Label3, {120, 120, 690, 210});
    placeAt(*Label2, {5760, 120, 1605, 210});
    placeAt(*Label1, {2880, 0, 1815, 315});

    controls_ = {Picture3, Picture1, Picture2, &Timer2, &Timer1, Label3, Label2, Label1};
}

void Form1::loadTileSheet() {
    // The sheet at the density of the board's screen: above one device pixel
    // to the pixel the double-size sheet, copied pixel for pixel at two and
    // resampled from at any other density.
    const qreal ratio = Picture1->devicePixelRatioF();
    Canvas& holder = Picture2->canvas();
    if (!holder.image().isNull() && holder.scale() == ratio) return;
    QImage sheet = ratio > 1 ? tileSheet2x() : tileSheet();
    sheet.setDevicePixelRatio(ratio > 1 ? 2 : 1);
    holder.clear();
    holder.setScale(ratio);
    loadSheet(holder, sheet);
}

void Form1::buildMenus() {
    auto fill = [this](MenuItem& menu, std::initializer_list<MenuItem*> items) {
        menuBar()->addMenu(menu.menu());
        controls_.push_back(&menu);
        for (MenuItem* item : items) {
            menu.menu()->addAction(item->action());
            controls_.push_back(item);
        }
    };
    fill(game, {&start, &sdf, &pause, &reDo, &Fail, &bar, &exit});
    fill(meuOption, {&meuBase, &meuMiddle, &meuHigh});
    fill(dtmh, {&help, &barhelpfile, &meuVisitMyWeb, &meuMailtoMe, &meuWheretoBuy, &barAboutMepo, &ab});

    pause.setEnabled(false);
    reDo.setEnabled(false);
    Fail.setEnabled(false);
    meuBase.setChecked(true);
    meuMiddle.setChecked(false);
    meuHigh.setChecked(false);
}

void Form1::connectHandlers() {
    // Every menu command, press, release and tick goes to the session.
    const std::pair<MenuItem*, Part> commands[] = {
        {&start, Part::start},       {&pause, Part::pause},
        {&reDo, Part::reDo},         {&Fail, Part::Fail},
        {&exit, Part::exit},         {&meuBase, Part::meuBase},
        {&meuMiddle, Part::meuMiddle}, {&meuHigh, Part::meuHigh},
        {&help, Part::help},         {&ab, Part::ab},
        {&meuVisitMyWeb, Part::meuVisitMyWeb}, {&meuMailtoMe, Part::meuMailtoMe},
        {&meuWheretoBuy, Part::meuWheretoBuy},
    };
    for (auto [menuItem, part] : commands) menuItem->onClick = [this, part = part](int) { session_.click(part); };
    Picture1->onMouseDown = [this](int b, int s, float x, float y) { session_.press(b, s, x, y); };
    Picture1->onMouseUp = [this](int b, int s, float x, float y) { session_.release(b, s, x, y); };
    Timer1.onTick = [this] { session_.tick(TimerId::Timer1); };
    Timer2.onTick = [this] { session_.tick(TimerId::Timer2); };
    boardView_ = std::make_unique<BoardView>(session_, *Picture1);
    input_ = std::make_unique<Input>(session_, *boardView_);
}

void Form1::closeEvent(QCloseEvent* e) {
    // Closing the window ends the game at once: nothing is asked or saved.
    session_.closing();
    e->accept();
}

}  // namespace mepo
