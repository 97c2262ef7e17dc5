#include "support/form_fixture.h"

namespace mepo {

using test::FormTest;

namespace {

struct Snapshot {
    std::string name;
    std::optional<double> left, top, width, height, font, visible;
    bool operator==(const Snapshot&) const = default;
};

std::vector<Snapshot> snapshot(const Form1& f) {
    std::vector<Snapshot> out;
    for (Control* c : f.controls())
        out.push_back({c->name(), c->get(Prop::Left), c->get(Prop::Top), c->get(Prop::Width), c->get(Prop::Height),
                       c->get(Prop::FontSize), c->get(Prop::Visible)});
    return out;
}

}  // namespace

// Places scale by the client area's growth along their own axis, fonts by
// the smaller of the two, so that text always fits its room.
TEST_F(FormTest, PlacesScaleByTheirAxisAndFontsByTheSmallerFactor) {
    struct Case {
        int widthPx, heightPx;  // client area; the design one is 499 x 474
        double kx, ky, kf;
    };
    for (Case k : {Case{998, 474, 2, 1, 1}, Case{499, 948, 1, 2, 1}, Case{998, 948, 2, 2, 2}, Case{1497, 948, 3, 2, 2},
                   Case{998, 1422, 2, 3, 2}, Case{499, 237, 1, 0.5, 0.5}}) {
        form->setOuterWidth(k.widthPx * 15 + 115);
        form->setOuterHeight(k.heightPx * 15 + 690);
        ASSERT_EQ(form->clientWidth(), k.widthPx * 15);
        ASSERT_EQ(form->clientHeight(), k.heightPx * 15);
        const std::string where = std::to_string(k.widthPx) + " x " + std::to_string(k.heightPx);
        for (PictureBox* c : {bar(), board(), sheet()}) {
            const auto& v = c->tag().numbers;
            EXPECT_FLOAT_EQ(c->leftTwips(), k.kx * v[0]) << c->name() << " at " << where;
            EXPECT_FLOAT_EQ(c->topTwips(), k.ky * v[1]) << c->name() << " at " << where;
            EXPECT_FLOAT_EQ(c->widthTwips(), k.kx * v[2]) << c->name() << " at " << where;
            EXPECT_FLOAT_EQ(c->heightTwips(), k.ky * v[3]) << c->name() << " at " << where;
        }
        for (Label* l : {label("Label3"), label("Label2"), label("Label1")}) {
            const auto& v = l->tag().numbers;
            EXPECT_FLOAT_EQ(l->leftTwips(), k.kx * v[0]) << l->name() << " at " << where;
            EXPECT_FLOAT_EQ(l->topTwips(), k.ky * v[1]) << l->name() << " at " << where;
            EXPECT_DOUBLE_EQ(l->font().pointSizeF(), k.kf * v[4]) << l->name() << " at " << where;
        }
        EXPECT_TRUE(sheet()->isHidden());
        EXPECT_FALSE(board()->isHidden());
    }
}

// Every control is hidden while it moves, so that a resize never shows it
// half moved: no control is visible when its move or resize arrives.
TEST_F(FormTest, ControlsAreHiddenWhileTheyMove) {
    struct Seen : QObject {
        std::map<std::string, int> moves;       // by control
        std::vector<std::string> movedVisible;  // control and the size it happened at
        std::string when;
        bool eventFilter(QObject* o, QEvent* e) override {
            if (e->type() == QEvent::Move || e->type() == QEvent::Resize) {
                auto* w = static_cast<QWidget*>(o);
                ++moves[w->objectName().toStdString()];
                if (w->isVisible()) movedVisible.push_back(w->objectName().toStdString() + " " + when);
            }
            return false;
        }
    } seen;
    std::vector<QWidget*> watched = {bar(), board(), label("Label3"), label("Label2"), label("Label1")};
    for (QWidget* w : watched) {
        w->setObjectName(QString::fromStdString(dynamic_cast<Control*>(w)->name()));
        w->installEventFilter(&seen);
    }
    seen.when = "width 9000";
    form->setOuterWidth(9000);
    seen.when = "height 5000";
    form->setOuterHeight(5000);
    seen.when = "高级";
    item("meuHigh").click();
    seen.when = "a drag to 600 x 500";
    form->resize(600, 500);
    QTest::qWait(20);
    EXPECT_EQ(seen.movedVisible, std::vector<std::string>{});
    // Each of them did move.
    for (QWidget* w : watched) EXPECT_GE(seen.moves[w->objectName().toStdString()], 1) << w->objectName().toStdString();
}

TEST_F(FormTest, ShrinkingAndRestoringGivesBackTheDesignLayout) {
    const auto design = snapshot(*form);
    form->setOuterWidth(3000);
    form->setOuterHeight(2000);
    item("start").click();  // moves Label1 and more
    timer("Timer1").fire();  // narrows the time bar
    form->setOuterWidth(20000);
    form->setOuterHeight(9000);
    form->setOuterWidth(7600);
    form->setOuterHeight(7800);
    auto after = snapshot(*form);
    // Captions changed with the deal; the label sizes follow them. Compare places and fonts.
    for (size_t i = 0; i < design.size(); ++i) {
        EXPECT_EQ(after[i].left, design[i].left) << design[i].name;
        EXPECT_EQ(after[i].top, design[i].top) << design[i].name;
        EXPECT_EQ(after[i].font, design[i].font) << design[i].name;
        EXPECT_EQ(after[i].visible, design[i].visible) << design[i].name;
        if (design[i].name.rfind("Picture", 0) == 0) {
            // The time bar shows the time left (a tick has gone): checked on its own.
            if (design[i].name != "Picture3") {
                EXPECT_EQ(after[i].width, design[i].width) << design[i].name;
            }
            EXPECT_EQ(after[i].height, design[i].height) << design[i].name;
        }
    }
    EXPECT_EQ(label("Label1")->leftTwips(), 2880);  // back from where the deal centred it
}

TEST_F(FormTest, Label1ReturnsToItsScaledPlaceAfterAResize) {
    item("start").click();
    EXPECT_NE(label("Label1")->leftTwips(), 2880);
    timer("Timer1").fire();
    form->setOuterWidth(2 * 7485 + 115);  // twice the design client width
    EXPECT_EQ(label("Label1")->leftTwips(), 2 * 2880);
    // The bar keeps showing the time left, at its new full width.
    EXPECT_NEAR(bar()->widthTwips(), 179.0 / 180 * 7215 * form->outerWidth() / 7485, 1e-3);
}

TEST_F(FormTest, AClientAreaShrunkToNothingRefusesFontsSoftly) {
    form->setOuterWidth(115);
    form->setOuterHeight(690);
    EXPECT_EQ(form->clientWidth(), 0);
    EXPECT_GT(label("Label3")->font().pointSizeF(), 0);
    EXPECT_FALSE(label("Label3")->set(Prop::FontSize, 0));
    form->setOuterWidth(7600);
    form->setOuterHeight(7800);
    EXPECT_EQ(label("Label3")->font().pointSizeF(), 10.5);
    EXPECT_EQ(board()->widthTwips(), 7215);
}

TEST_F(FormTest, AUserResizeScalesButNeverMovesTheWindow) {
    item("meuBase").click();  // a difficulty centres the window, and only it
    const QPoint before = form->pos();
    form->resize(2 * 499, form->height());  // twice the design client width
    QTest::qWait(20);
    EXPECT_EQ(form->pos(), before);
    EXPECT_EQ(board()->widthTwips(), 2 * 7215);
}

TEST_F(FormTest, EachDifficultySizesTheNextDeal) {
    struct Case {
        MenuItem* item;
        int cols, rows;
    };
    for (Case k : {Case{&item("meuHigh"), 24, 14}, Case{&item("meuMiddle"), 17, 14}, Case{&item("meuBase"), 12, 10},
                   Case{&item("meuHigh"), 24, 14}}) {
        for (int twice = 0; twice < 2; ++twice) {
            k.item->click();
            // Exactly one check mark.
            EXPECT_EQ(item("meuBase").checked() + item("meuMiddle").checked() + item("meuHigh").checked(), 1);
            EXPECT_TRUE(k.item->checked());
            // Centred horizontally, and vertically in the screen less 245
            // twips; a window larger than the screen (this one is 800 x 600)
            // stands at its top-left corner.
            EXPECT_NEAR(form->left(), std::max(0.0, (form->screenWidth() - form->outerWidth()) / 2), 15);
            EXPECT_NEAR(form->top(), std::max(0.0, (form->screenHeight() - 245 - form->outerHeight()) / 2), 15);
            // The board has room for every cell of the next deal and its ring.
            EXPECT_GE(board()->QWidget::width(), (k.cols + 2) * 34);
            EXPECT_GE(board()->QWidget::height(), (k.rows + 2) * 34);
        }
        item("start").click();
        EXPECT_EQ(st().cols, k.cols);
        EXPECT_EQ(st().rows, k.rows);
        EXPECT_FALSE(item("meuOption").enabled());
        item("Fail").click();
        timer("Timer1").fire();  // the game ends silently; settings usable again
        ASSERT_TRUE(item("meuOption").enabled());
    }
    // The beginner setting gives exactly the design client area.
    item("meuBase").click();
    EXPECT_EQ(form->clientWidth(), 7485);
    EXPECT_EQ(form->clientHeight(), 7110);
}

TEST_F(FormTest, ADifficultyAppliesToAMaximisedWindowToo) {
    form->showMaximized();
    QTest::qWait(20);
    item("meuHigh").click();
    EXPECT_FALSE(form->isMaximized());
    EXPECT_GE(board()->QWidget::width(), 26 * 34);
    EXPECT_EQ(st().cols, 24);
}

}  // namespace mepo
