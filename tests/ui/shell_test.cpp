#include "support/form_fixture.h"
#include "session/links.h"

namespace mepo {

using test::FormTest;

// The instructions as the game hands them to the box: six lines, each ended
// by a lone carriage return, the last one too.
TEST_F(FormTest, InstructionsAreSixLinesEachEndedByALoneCarriageReturn) {
    item("help").click();
    ASSERT_EQ(boxes.seen().size(), 1u);
    const test::SeenBox& b = boxes.seen()[0];
    EXPECT_EQ(b.given,
              "使用方法:\r"
              "         同网上常见的Mepo\r"
              "计分方法:\r"
              "         当连接成功时计分,连越远,难度越高,加分越多!其中:\r"
              "         连线每经过一格 --- 加10分(连接越远时则加分越多)\r"
              "         在转弯处的一格 --- 加20分(转弯时难度高加分也多)\r");
    // The box shows them as six lines, with no empty seventh.
    EXPECT_EQ(b.text.split('\n').size(), 6);
    EXPECT_EQ(b.title, QString("Mepo(Tazu造型版)"));
}

// The about text: a credit line and a rights notice joined by CR LF, nothing
// after the notice.
TEST_F(FormTest, AboutBoxIsTwoLinesJoinedByCrLfUnderTheCaptionWithOnlyOk) {
    item("ab").click();
    ASSERT_EQ(boxes.seen().size(), 1u);
    const test::SeenBox& b = boxes.seen()[0];
    EXPECT_EQ(b.title, QString("Mepo(Tazu造型版)"));
    EXPECT_EQ(b.buttons, 1);
    EXPECT_FALSE(b.hasIcon);
    const size_t join = b.given.find("\r\n");
    ASSERT_NE(join, std::string::npos) << b.given;
    const std::string credit = b.given.substr(0, join), notice = b.given.substr(join + 2);
    for (const std::string& line : {credit, notice}) {
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
        EXPECT_FALSE(line.empty());
    }
    EXPECT_EQ(credit.rfind("Mepo(Tazu造型版) - ", 0), 0u) << credit;
    EXPECT_NE(notice.find(std::string("(") + kArtworkOwnerSite + ")"), std::string::npos) << notice;
}

TEST_F(FormTest, EachWebLinkOpensItsOwnAddressAndLeavesTheGameAlone) {
    item("start").click();
    timer("Timer1").fire();
    const auto cells = st().cells;
    const QImage shown = board()->grab().toImage();
    struct Case {
        MenuItem* item;
        std::string address;
    };
    const Case cases[] = {{&item("meuVisitMyWeb"), kMakerHomePage},
                          {&item("meuMailtoMe"), kArtworkOwnerSite},
                          {&item("meuWheretoBuy"), kWhereToBuy}};
    // Three different plain web addresses, the artwork owner's at its
    // Simplified-Chinese pages: otherwise a mix-up could not show.
    EXPECT_NE(cases[0].address, cases[1].address);
    EXPECT_NE(cases[1].address, cases[2].address);
    EXPECT_NE(cases[0].address, cases[2].address);
    EXPECT_NE(cases[1].address.find("/zh-cn/"), std::string::npos);
    for (const Case& k : cases) {
        EXPECT_EQ(k.address.rfind("http://", 0), 0u) << k.address;
        opened.clear();
        k.item->click();
        EXPECT_EQ(opened, std::vector<std::string>{k.address}) << k.item->name();
    }
    EXPECT_EQ(st().cells, cells);
    EXPECT_EQ(session().clock().timeLeft, 179);
    EXPECT_EQ(st().score, 0);
    EXPECT_TRUE(timer("Timer1").enabled());
    EXPECT_EQ(board()->grab().toImage(), shown);
    EXPECT_TRUE(boxes.seen().empty());
}

TEST_F(FormTest, ExitEndsAtOnceWithoutAQuestion) {
    item("start").click();
    item("exit").click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(timer("Timer1").enabled());
    EXPECT_TRUE(boxes.seen().empty());
}

}  // namespace mepo
