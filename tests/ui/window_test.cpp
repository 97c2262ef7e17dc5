#include <QFontInfo>
#include <QFontMetrics>
#include <QMenuBar>

#include "support/form_fixture.h"
#include "ui/toolkit/message_box.h"

namespace mepo {

using test::FormTest;

TEST_F(FormTest, WindowOpensWithItsDesignLayout) {
    EXPECT_EQ(form->windowTitle(), QString("Mepo(Tazu造型版)"));
    EXPECT_EQ(form->clientWidth(), 7485);
    EXPECT_EQ(form->clientHeight(), 7110);

    struct Want {
        WidgetControl* control;
        double left, top, width, height;
    };
    for (Want w : {Want{bar(), 120, 480, 7215, 255}, Want{board(), 120, 840, 7215, 6120},
                   Want{sheet(), 960, 1080, 5145, 3105}}) {
        EXPECT_EQ(w.control->leftTwips(), w.left) << w.control->name();
        EXPECT_EQ(w.control->topTwips(), w.top) << w.control->name();
        EXPECT_EQ(w.control->widthTwips(), w.width) << w.control->name();
        EXPECT_EQ(w.control->heightTwips(), w.height) << w.control->name();
    }
    EXPECT_EQ(board()->geometry(), QRect(8, 56, 481, 408));
    EXPECT_EQ(sheet()->parentWidget(), board());
    EXPECT_TRUE(sheet()->isHidden());
    EXPECT_FALSE(timer("Timer1").enabled());
    EXPECT_FALSE(timer("Timer2").enabled());
    EXPECT_EQ(timer("Timer1").interval(), 1000);
    EXPECT_EQ(timer("Timer2").interval(), 300);

    EXPECT_EQ(label("Label3")->caption(), "得分:0");
    EXPECT_EQ(label("Label2")->caption(), "剩余时间:180秒");
    EXPECT_EQ(label("Label1")->caption(), "现在是第0关");
    EXPECT_EQ(label("Label3")->leftTwips(), 120);
    EXPECT_EQ(label("Label2")->leftTwips(), 5760);
    EXPECT_EQ(label("Label1")->leftTwips(), 2880);
    EXPECT_EQ(label("Label1")->topTwips(), 0);
}

TEST_F(FormTest, LabelsAskForTheirFontsAndShowChineseGlyphs) {
    for (Label* l : {label("Label3"), label("Label2")}) {
        EXPECT_EQ(l->font().family(), QString("宋体"));
        EXPECT_DOUBLE_EQ(l->font().pointSizeF(), 10.5);
        EXPECT_EQ(l->font().weight(), QFont::Bold);
    }
    EXPECT_EQ(label("Label1")->font().family(), QString("幼圆"));
    EXPECT_DOUBLE_EQ(label("Label1")->font().pointSizeF(), 15.75);
    EXPECT_EQ(label("Label1")->font().weight(), QFont::Normal);
    for (Label* l : {label("Label3"), label("Label2"), label("Label1")}) {
        const QFontMetrics m(l->font());
        for (QChar c : l->text()) EXPECT_TRUE(m.inFont(c)) << l->name() << " lacks a glyph";
    }
}

TEST_F(FormTest, LabelsSizeToTheirCaptionAndGrowToTheRight) {
    const double left = label("Label3")->leftTwips();
    const double width = label("Label3")->widthTwips();
    label("Label3")->setCaption("分数:1234567");
    EXPECT_EQ(label("Label3")->leftTwips(), left);
    EXPECT_GT(label("Label3")->widthTwips(), width);
    EXPECT_EQ(label("Label3")->x(), 8);
    EXPECT_EQ(label("Label3")->widthTwips(), label("Label3")->QLabel::width() * 15.0);
}

TEST_F(FormTest, MenuTreeWithCaptionsStatesAndIndexes) {
    const QList<QAction*> top = form->menuBar()->actions();
    ASSERT_EQ(top.size(), 3);
    EXPECT_EQ(top[0]->text(), QString("游戏"));
    EXPECT_EQ(top[1]->text(), QString("设置"));
    EXPECT_EQ(top[2]->text(), QString("帮助"));

    auto captions = [](QMenu* m) {
        QStringList out;
        for (QAction* a : m->actions()) out << (a->isSeparator() ? QString("-") : a->text());
        return out;
    };
    EXPECT_EQ(captions(item("game").menu()),
              (QStringList{"开始游戏", "-", "暂停", "继续", "放弃", "-", "退出"}));
    EXPECT_EQ(captions(item("meuOption").menu()), (QStringList{"初级", "中级", "高级"}));
    EXPECT_EQ(captions(item("dtmh").menu()), (QStringList{"使用说明", "-", "软件主页..", "Sorrel主页...",
                                                        "Where To Buy...", "-", "关于Mepo(Tazu造型版)"}));

    EXPECT_FALSE(item("pause").enabled());
    EXPECT_FALSE(item("reDo").enabled());
    EXPECT_FALSE(item("Fail").enabled());
    EXPECT_TRUE(item("start").enabled());
    EXPECT_TRUE(item("meuOption").enabled());
    EXPECT_TRUE(item("meuBase").checked());
    EXPECT_FALSE(item("meuMiddle").checked());
    EXPECT_FALSE(item("meuHigh").checked());
    for (QAction* a : item("game").menu()->actions()) EXPECT_TRUE(a->shortcut().isEmpty());

    EXPECT_EQ(item("game").index(), 100);
    EXPECT_EQ(item("start").index(), 101);
    EXPECT_EQ(item("sdf").index(), 102);
    EXPECT_EQ(item("exit").index(), 103);
    EXPECT_EQ(item("dtmh").index(), 200);
    EXPECT_EQ(item("help").index(), 103);
    EXPECT_EQ(item("ab").index(), 201);

    // A click hands the item's index to its handler.
    int got = 0;
    item("start").onClick = [&](int i) { got = i; };
    item("start").click();
    EXPECT_EQ(got, 101);
}

TEST_F(FormTest, EveryControlInTheWindowsOrderWithSoftProperties) {
    std::vector<std::string> names;
    for (Control* c : form->controls()) names.push_back(c->name());
    const std::vector<std::string> want = {
        "Picture3", "Picture1", "Picture2", "Timer2", "Timer1", "Label3", "Label2", "Label1",
        "game", "start", "sdf", "pause", "reDo", "Fail", "bar", "exit",
        "meuOption", "meuBase", "meuMiddle", "meuHigh",
        "dtmh", "help", "barhelpfile", "meuVisitMyWeb", "meuMailtoMe", "meuWheretoBuy", "barAboutMepo", "ab"};
    EXPECT_EQ(names, want);

    // A timer has no place and no visibility, a menu item no place: asking fails softly.
    EXPECT_FALSE(timer("Timer1").get(Prop::Left));
    EXPECT_FALSE(timer("Timer1").get(Prop::Visible));
    EXPECT_FALSE(timer("Timer1").set(Prop::Width, 10));
    EXPECT_FALSE(item("start").get(Prop::Left));
    EXPECT_FALSE(item("start").move(1, 2, 3, 4));
    EXPECT_EQ(item("start").get(Prop::Visible), 1.0);
    EXPECT_FALSE(board()->get(Prop::FontSize));
    EXPECT_EQ(label("Label3")->get(Prop::FontSize), 10.5);

    // Records were taken at load; those without geometry are empty.
    EXPECT_TRUE(timer("Timer1").tag().empty);
    EXPECT_TRUE(item("meuBase").tag().empty);
    EXPECT_FALSE(label("Label3")->tag().empty);
    EXPECT_EQ(label("Label3")->tag().numbers[0], 120);
    EXPECT_EQ(label("Label3")->tag().numbers[4], 10.5);
    EXPECT_EQ(board()->tag().numbers, (std::array<double, 5>{120, 840, 7215, 6120, 0}));
}

TEST_F(FormTest, CentredOnFirstShowWithAnIconOfThreeSizes) {
    EXPECT_NEAR(form->left(), (form->screenWidth() - form->outerWidth()) / 2, 15);
    EXPECT_NEAR(form->top(), (form->screenHeight() - form->outerHeight()) / 2, 15);
    const QList<QSize> sizes = form->windowIcon().availableSizes();
    for (int s : {16, 48, 256}) EXPECT_TRUE(sizes.contains(QSize(s, s))) << s;
}

TEST_F(FormTest, BoardKeepsWhatIsDrawnThroughRepaintsAndHiding) {
    const QRgb ink = qRgb(10, 200, 30);
    board()->canvas().fillBox(510, 510, 1010, 1010, ink);
    board()->refresh();
    EXPECT_EQ(shownPixel(board(), 40, 40), ink);
    board()->repaint();
    EXPECT_EQ(shownPixel(board(), 40, 40), ink);
    form->hide();
    form->showMinimized();
    form->showNormal();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_EQ(shownPixel(board(), 40, 40), ink);
    // A message box over the board.
    item("help").click();
    EXPECT_EQ(shownPixel(board(), 40, 40), ink);
    // The time bar draws in pixels.
    bar()->canvas().fillBox(3, 3, 3, 3, ink);
    EXPECT_EQ(shownPixel(bar(), 3, 3), ink);
    // Shrunk far below the board, drawn on beyond its edge, grown again.
    form->setOuterWidth(2000);
    form->setOuterHeight(2000);
    ASSERT_LT(board()->QWidget::width(), 11 * 34);
    board()->canvas().fillBox(11 * 510, 9 * 510, 11 * 510 + 500, 9 * 510 + 500, ink);
    form->setOuterWidth(7600);
    form->setOuterHeight(7800);
    EXPECT_EQ(shownPixel(board(), 40, 40), ink);
    EXPECT_EQ(shownPixel(board(), 11 * 34 + 5, 9 * 34 + 5), ink);
}

// Each backing image holds what its box shows, in device pixels, not more.
TEST_F(FormTest, BackingImagesAreNoLargerThanTheirBoxes) {
    auto expectFits = [](PictureBox* box, const char* when) {
        const QSize shown = box->size() * box->devicePixelRatio();
        const QSize held = box->canvas().image().size();
        EXPECT_LE(held.width(), shown.width()) << box->name() << " " << when;
        EXPECT_LE(held.height(), shown.height()) << box->name() << " " << when;
    };
    for (PictureBox* box : {bar(), board()}) expectFits(box, "at first show");
    item("start").click();
    for (PictureBox* box : {bar(), board()}) expectFits(box, "after a deal");
    item("Fail").click();
    timer("Timer1").fire();
    item("meuHigh").click();
    item("start").click();
    for (PictureBox* box : {bar(), board()}) expectFits(box, "after a deal at 24 x 14");
    EXPECT_EQ(board()->canvas().heldSize(), QSize(26 * 34, 16 * 34));  // the whole grid, no more
    EXPECT_EQ(sheet()->canvas().image().size(), QSize(340, 204));
}

TEST(MessageText, LinesEndingInALoneCarriageReturnShowAsLines) {
    EXPECT_EQ(messageLines("一\r二\r三\r"), QString("一\n二\n三"));
    EXPECT_EQ(messageLines("a\r\nb"), QString("a\nb"));
    EXPECT_EQ(messageLines("a\nb"), QString("a\nb"));
    EXPECT_EQ(messageLines("<b>x</b>"), QString("<b>x</b>"));
}

TEST_F(FormTest, AMessageBoxIsTitledWithTheCaptionAndHasOnlyOk) {
    showMessage(form.get(), "第一行\r第二行\r", *desktop);
    ASSERT_EQ(boxes.seen().size(), 1u);
    const test::SeenBox& b = boxes.seen()[0];
    EXPECT_EQ(b.title, QString("Mepo(Tazu造型版)"));
    EXPECT_EQ(b.text, QString("第一行\n第二行"));
    EXPECT_EQ(b.buttons, 1);
    EXPECT_FALSE(b.hasIcon);
    EXPECT_FALSE(b.okText.isEmpty());
}

}  // namespace mepo
