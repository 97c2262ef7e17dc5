#include "support/form_fixture.h"

namespace mepo {

using test::FormTest;

TEST_F(FormTest, InstructionsShowSixIndentedLines) {
    form->help.click();
    ASSERT_EQ(boxes.seen().size(), 1u);
    const QStringList lines = boxes.seen()[0].text.split('\n');
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], QString("使用方法:"));
    EXPECT_EQ(lines[1], QString("         同网上常见的Mepo"));
    EXPECT_EQ(lines[2], QString("计分方法:"));
    EXPECT_EQ(lines[3], QString("         当连接成功时计分,连越远,难度越高,加分越多!其中:"));
    EXPECT_EQ(lines[4], QString("         连线每经过一格 --- 加10分(连接越远时则加分越多)"));
    EXPECT_EQ(lines[5], QString("         在转弯处的一格 --- 加20分(转弯时难度高加分也多)"));
    EXPECT_EQ(boxes.seen()[0].title, QString("Mepo(Tazu造型版)"));
}

TEST_F(FormTest, AboutBoxHasTwoLinesUnderTheCaptionAndOnlyOk) {
    form->ab.click();
    ASSERT_EQ(boxes.seen().size(), 1u);
    const test::SeenBox& b = boxes.seen()[0];
    EXPECT_EQ(b.title, QString("Mepo(Tazu造型版)"));
    EXPECT_EQ(b.buttons, 1);
    EXPECT_FALSE(b.hasIcon);
    const QStringList lines = b.text.split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith("Mepo(Tazu造型版) - "));
    EXPECT_TRUE(lines[1].contains("(http://"));
}

TEST_F(FormTest, WebLinksGoToTheBrowserAndLeaveTheGameAlone) {
    std::vector<std::string> opened;
    form->openUrl = [&](const std::string& url) { opened.push_back(url); };
    form->start.click();
    form->Timer1.fire();
    const auto cells = form->st.cells;
    const QImage board = form->Picture1->grab().toImage();
    form->meuVisitMyWeb.click();
    form->meuMailtoMe.click();
    form->meuWheretoBuy.click();
    ASSERT_EQ(opened.size(), 3u);
    for (const std::string& url : opened) EXPECT_EQ(url.rfind("http://", 0), 0u) << url;
    EXPECT_NE(opened[1].find("/zh-cn/"), std::string::npos);
    EXPECT_EQ(form->st.cells, cells);
    EXPECT_EQ(form->st.timeLeft, 179);
    EXPECT_EQ(form->st.score, 0);
    EXPECT_TRUE(form->Timer1.enabled());
    EXPECT_EQ(form->Picture1->grab().toImage(), board);
    EXPECT_TRUE(boxes.seen().empty());
}

TEST_F(FormTest, ExitEndsAtOnceWithoutAQuestion) {
    form->start.click();
    form->exit.click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->Timer1.enabled());
    EXPECT_TRUE(boxes.seen().empty());
}

}  // namespace mepo
