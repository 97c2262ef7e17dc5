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

TEST_F(FormTest, TwiceTheWidthDoublesLeftsAndWidthsAndKeepsFonts) {
    form->setOuterWidth(2 * 7485 + 115);
    EXPECT_EQ(form->clientWidth(), 2 * 7485);
    for (WidgetControl* c : {static_cast<WidgetControl*>(form->Picture3), static_cast<WidgetControl*>(form->Picture1)}) {
        EXPECT_EQ(c->leftTwips(), 2 * c->tag().numbers[0]) << c->name();
        EXPECT_EQ(c->widthTwips(), 2 * c->tag().numbers[2]) << c->name();
        EXPECT_EQ(c->topTwips(), c->tag().numbers[1]) << c->name();
        EXPECT_EQ(c->heightTwips(), c->tag().numbers[3]) << c->name();
    }
    for (Label* l : {form->Label3, form->Label2, form->Label1}) {
        EXPECT_EQ(l->leftTwips(), 2 * l->tag().numbers[0]) << l->name();
        EXPECT_EQ(l->font().pointSizeF(), l->tag().numbers[4]) << l->name();
    }
    EXPECT_EQ(form->Picture2->leftTwips(), 2 * 960);
    EXPECT_TRUE(form->Picture2->isHidden());
    EXPECT_FALSE(form->Picture1->isHidden());
}

TEST_F(FormTest, ShrinkingAndRestoringGivesBackTheDesignLayout) {
    const auto design = snapshot(*form);
    form->setOuterWidth(3000);
    form->setOuterHeight(2000);
    form->start.click();  // moves Label1 and more
    form->Timer1.fire();  // narrows the time bar
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
            EXPECT_EQ(after[i].width, design[i].width) << design[i].name;
            EXPECT_EQ(after[i].height, design[i].height) << design[i].name;
        }
    }
    EXPECT_EQ(form->Label1->leftTwips(), 2880);  // back from where the deal centred it
}

TEST_F(FormTest, Label1ReturnsToItsScaledPlaceAfterAResize) {
    form->start.click();
    EXPECT_NE(form->Label1->leftTwips(), 2880);
    form->setOuterWidth(9000);
    const double kx = form->clientWidth() / 7485;
    EXPECT_FLOAT_EQ(form->Label1->leftTwips(), static_cast<float>(kx * 2880));
    EXPECT_FLOAT_EQ(form->Picture3->widthTwips(), static_cast<float>(kx * 7215));
}

TEST_F(FormTest, AClientAreaShrunkToNothingRefusesFontsSoftly) {
    form->setOuterWidth(115);
    form->setOuterHeight(690);
    EXPECT_EQ(form->clientWidth(), 0);
    EXPECT_GT(form->Label3->font().pointSizeF(), 0);
    EXPECT_FALSE(form->Label3->set(Prop::FontSize, 0));
    form->setOuterWidth(7600);
    form->setOuterHeight(7800);
    EXPECT_EQ(form->Label3->font().pointSizeF(), 10.5);
    EXPECT_EQ(form->Picture1->widthTwips(), 7215);
}

TEST_F(FormTest, AUserResizeScalesButNeverMovesTheWindow) {
    const QPoint before = form->pos();
    form->resize(700, 600);
    QTest::qWait(20);
    EXPECT_EQ(form->pos(), before);
    EXPECT_NEAR(form->Picture1->widthTwips(), 7215 * form->clientWidth() / 7485, 1e-3);
}

TEST_F(FormTest, EachDifficultySizesTheNextDeal) {
    struct Case {
        MenuItem* item;
        int cols, rows;
    };
    for (Case k : {Case{&form->meuHigh, 24, 14}, Case{&form->meuMiddle, 17, 14}, Case{&form->meuBase, 12, 10},
                   Case{&form->meuHigh, 24, 14}}) {
        for (int twice = 0; twice < 2; ++twice) {
            k.item->click();
            EXPECT_EQ(form->st.sizing, 0);
            // Exactly one check mark.
            EXPECT_EQ(form->meuBase.checked() + form->meuMiddle.checked() + form->meuHigh.checked(), 1);
            EXPECT_TRUE(k.item->checked());
            // Centred horizontally, and vertically in the screen less 245 twips.
            EXPECT_NEAR(form->left(), (form->screenWidth() - form->outerWidth()) / 2, 15);
            EXPECT_NEAR(form->top(), (form->screenHeight() - 245 - form->outerHeight()) / 2, 15);
            // The board has room for every cell of the next deal and its ring.
            EXPECT_GE(form->Picture1->QWidget::width(), (k.cols + 2) * 34);
            EXPECT_GE(form->Picture1->QWidget::height(), (k.rows + 2) * 34);
        }
        form->start.click();
        EXPECT_EQ(form->st.cols, k.cols);
        EXPECT_EQ(form->st.rows, k.rows);
        const auto codes = codesOnBoard();
        EXPECT_EQ(codes.size(), static_cast<size_t>(k.cols));
        for (auto [code, n] : codes) EXPECT_EQ(n, k.rows);
        EXPECT_FALSE(form->meuOption.enabled());
        form->Fail.click();
        form->Timer1.fire();  // the game ends silently; settings usable again
        ASSERT_TRUE(form->meuOption.enabled());
    }
    // The beginner setting gives exactly the design client area.
    form->meuBase.click();
    EXPECT_EQ(form->clientWidth(), 7485);
    EXPECT_EQ(form->clientHeight(), 7110);
}

TEST_F(FormTest, ADifficultyAppliesToAMaximisedWindowToo) {
    form->showMaximized();
    QTest::qWait(20);
    form->meuHigh.click();
    EXPECT_FALSE(form->isMaximized());
    EXPECT_GE(form->Picture1->QWidget::width(), 26 * 34);
    EXPECT_EQ(form->st.cols, 24);
}

}  // namespace mepo
