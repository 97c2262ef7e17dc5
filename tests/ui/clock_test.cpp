#include "support/form_fixture.h"

namespace mepo {

using test::FormTest;

TEST_F(FormTest, FirstTickShowsTheTimeAndShortensTheBar) {
    form->start.click();
    form->Timer1.fire();
    EXPECT_EQ(form->Label2->caption(), "剩余时间:179秒");
    EXPECT_NEAR(form->Picture3->width(), 179.0 / 180 * 7215 * form->outerWidth() / 7485, 1e-3);
    EXPECT_EQ(form->Picture3->QWidget::width(), static_cast<int>(std::lround(form->Picture3->width() / 15)));
}

TEST_F(FormTest, AGameRunsOutOfTimeOnce) {
    form->st.level = 3;
    form->start.click();
    int ticksWhileOpen = 0;
    boxes.whileOpen = [&] {
        // Ticks while the message is open change nothing.
        form->Timer1.fire();
        form->Timer1.fire();
        ++ticksWhileOpen;
        EXPECT_EQ(form->Label2->caption(), "剩余时间:1秒");
    };
    for (int i = 0; i < 180; ++i) form->Timer1.fire();
    ASSERT_EQ(boxes.seen().size(), 1u);
    EXPECT_EQ(ticksWhileOpen, 1);
    EXPECT_EQ(boxes.seen()[0].text, QString("对不起，时间到了!你的最后得分:0"));
    EXPECT_EQ(form->st.timeLeft, 0);
    EXPECT_EQ(form->Label2->caption(), "剩余时间:0秒");
    EXPECT_EQ(form->Picture3->width(), 0);
    EXPECT_FALSE(form->Timer1.enabled());
    EXPECT_TRUE(form->meuOption.enabled());
    EXPECT_EQ(form->st.level, 1);
    EXPECT_EQ(form->Label1->caption(), "现在是第3关");  // until the next deal
    // The board shows blank, the grid keeps its tiles.
    EXPECT_EQ(shownPixel(form->Picture1, 34 + 17, 34 + 17), form->Picture1->palette().color(QPalette::Button).rgb());
    EXPECT_NE(form->st.board(1, 1), 0);
    // The next deal is level 1.
    form->start.click();
    EXPECT_EQ(form->Label1->caption(), "现在是第1关");
    EXPECT_EQ(codesOnBoard().rbegin()->first, 12);
}

TEST_F(FormTest, ContinuingAfterTheTimeOutNeverShowsANegativeTime) {
    form->start.click();
    for (int i = 0; i < 180; ++i) form->Timer1.fire();
    form->pause.click();
    form->reDo.click();
    EXPECT_TRUE(form->Timer1.enabled());
    form->Timer1.fire();
    EXPECT_EQ(form->st.timeLeft, -1);
    EXPECT_EQ(form->Label2->caption(), "剩余时间:0秒");
    EXPECT_EQ(form->Picture3->width(), 0);
}

TEST_F(FormTest, AfterAGiveUpNoTimeOutIsAnnounced) {
    form->st.score = 130;
    form->Label3->setCaption("分数:130");
    form->start.click();
    form->st.level = 4;
    form->Fail.click();
    EXPECT_EQ(form->st.timeLeft, 1);
    EXPECT_FALSE(form->Fail.enabled());
    EXPECT_FALSE(form->pause.enabled());
    form->Timer1.fire();
    EXPECT_TRUE(boxes.seen().empty());
    EXPECT_EQ(form->st.level, 1);
    EXPECT_EQ(form->st.score, 130);
    EXPECT_TRUE(form->meuOption.enabled());
    // A real time-out in a later game is silent too.
    form->start.click();
    EXPECT_TRUE(form->Fail.enabled());
    for (int i = 0; i < 180; ++i) form->Timer1.fire();
    EXPECT_TRUE(boxes.seen().empty());
    EXPECT_FALSE(form->Timer1.enabled());
}

TEST_F(FormTest, ADealAfterGiveUpCancelsTheEnd) {
    form->start.click();
    form->Fail.click();
    form->start.click();
    form->Timer1.fire();
    EXPECT_EQ(form->st.timeLeft, 179);
    EXPECT_FALSE(form->meuOption.enabled());
    EXPECT_EQ(form->st.gaveUp, 1);
}

TEST_F(FormTest, PauseAndContinueDriveTheClockAndTheItems) {
    form->start.click();
    form->Timer1.fire();
    form->pause.click();
    EXPECT_FALSE(form->Timer1.enabled());
    EXPECT_FALSE(form->pause.enabled());
    EXPECT_TRUE(form->reDo.enabled());
    EXPECT_TRUE(form->Fail.enabled());
    form->reDo.click();
    EXPECT_TRUE(form->Timer1.enabled());
    EXPECT_TRUE(form->pause.enabled());
    EXPECT_FALSE(form->reDo.enabled());
    EXPECT_EQ(form->st.timeLeft, 179);
    // A deal while paused restarts the clock and leaves continue usable.
    form->pause.click();
    form->start.click();
    EXPECT_TRUE(form->Timer1.enabled());
    EXPECT_TRUE(form->reDo.enabled());
    // The board still takes clicks while paused.
    form->pause.click();
    form->st.board(2, 1) = form->st.board(1, 1);
    clickCell(1, 1);
    clickCell(2, 1);
    form->Timer2.fire();
    EXPECT_EQ(form->st.score, 20);
}

}  // namespace mepo
