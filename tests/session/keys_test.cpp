// The board from the keyboard, through the session alone: the cursor, its
// outline's rule, a pair linked by keys, the jumps, and the blank board.
#include <gtest/gtest.h>

#include <algorithm>

#include "fake_front.h"
#include "game/same_tile.h"
#include "session/words.h"

namespace mepo {

namespace {

using test::Played;

void keys(Session& s, std::initializer_list<const char*> names) {
    for (const char* k : names) EXPECT_TRUE(s.key(k)) << k;
}

long cursorNews(const test::FakeFront& f) { return std::count(f.news.begin(), f.news.end(), BoardNews::Cursor); }

}  // namespace

TEST(SessionKeys, APairLinkedFromTheKeyboardAlone) {
    Played p;
    p.session.click(Part::start);
    p.session.boardFocus(true);
    GameState& s = p.session.arrange();
    s.board(6, 4) = s.board(5, 4);  // two equal neighbours link straight
    keys(p.session, {"Down"});  // the first key shows the cursor where it stands
    EXPECT_TRUE(p.session.cursorShown());
    EXPECT_EQ(p.session.cursor(), (Cell{1, 1}));
    keys(p.session, {"Down", "Down", "Down", "End", "Home", "Right", "Right", "Right", "Right", "space"});
    EXPECT_EQ(p.st().picked, kTrue);
    keys(p.session, {"Right", "Enter"});
    EXPECT_EQ(p.st().board(5, 4), 0);
    p.session.tick(TimerId::Timer2);
    EXPECT_EQ(p.st().score, 20);
    EXPECT_EQ(p.session.cursor(), (Cell{6, 4}));
    EXPECT_FALSE(p.session.key("x"));  // not the board's
    EXPECT_FALSE(p.session.key("F10"));

    // A message box over the board takes the keys.
    p.front.whileOpen = [&] { EXPECT_TRUE(p.session.key("Left")); };
    p.session.click(Part::help);
    EXPECT_EQ(p.session.cursor(), (Cell{6, 4}));
}

TEST(SessionKeys, TheCursorKeepsInsideTheGridAndShowsByTheKeyboard) {
    Played p;
    EXPECT_TRUE(p.session.key("Right"));  // before the first deal the keys do nothing
    EXPECT_EQ(cursorNews(p.front), 0);
    p.session.click(Part::meuHigh);
    p.session.click(Part::start);
    p.session.boardFocus(true);
    keys(p.session, {"Up", "Up", "Left"});
    EXPECT_EQ(p.session.cursor(), (Cell{1, 1}));
    EXPECT_EQ(cursorNews(p.front), 1);  // shown, and never moved
    keys(p.session, {"End", "Right"});
    for (int i = 0; i < 20; ++i) keys(p.session, {"Down"});
    EXPECT_EQ(p.session.cursor(), (Cell{24, 14}));
    EXPECT_EQ(cursorNews(p.front), 1 + 1 + 13);

    // The pointer hides it; the next key shows it where it was.
    p.session.pointerUsed();
    EXPECT_FALSE(p.session.cursorShown());
    keys(p.session, {"Left"});
    EXPECT_TRUE(p.session.cursorShown());
    EXPECT_EQ(p.session.cursor(), (Cell{24, 14}));
    // Without the focus, no outline.
    p.session.boardFocus(false);
    EXPECT_FALSE(p.session.cursorShown());
    p.session.boardFocus(true);

    p.session.click(Part::Fail);
    p.session.tick(TimerId::Timer1);
    p.session.click(Part::meuBase);
    EXPECT_EQ(p.session.cursor(), (Cell{12, 10}));
    p.session.click(Part::start);
    EXPECT_EQ(p.session.cursor(), (Cell{1, 1}));
}

TEST(SessionKeys, JumpsGoToTheTilesOfThePictureAndTSaysTheTimeAndScore) {
    Played p;
    p.session.click(Part::start);
    p.session.boardFocus(true);
    p.session.keyboardUsed();
    const GameState& s = p.st();
    const auto next = sameTile(s, {1, 1}, 1), previous = sameTile(s, {1, 1}, -1);
    ASSERT_TRUE(next && previous);
    keys(p.session, {"n"});
    EXPECT_EQ(p.session.cursor(), *next);
    keys(p.session, {"p", "p"});
    EXPECT_EQ(p.session.cursor(), *previous);
    // The picture was just heard: a jump tells the place alone.
    EXPECT_EQ(p.front.words.back(), placeWords(*previous));
    // On an empty cell a jump finds nothing.
    GameState& set = p.session.arrange();
    set.board(p.session.cursor().col, p.session.cursor().row) = 0;
    keys(p.session, {"n"});
    EXPECT_EQ(p.front.words.back(), "没有");
    p.session.tick(TimerId::Timer1);
    keys(p.session, {"t"});
    EXPECT_EQ(p.front.words.back(), "剩179秒，0分");
}

// What each key says: a step the cell it reaches and no place, the edge;
// Home and End the column too; the row, the column and what lies around.
TEST(SessionKeys, EachKeySaysWhatItDidAndNoMore) {
    Played p;
    p.session.click(Part::start);
    p.session.boardFocus(true);
    p.session.keyboardUsed();
    GameState& s = p.session.arrange();
    for (int c = 1; c <= 12; ++c) s.board(c, 1) = 0;
    s.board(3, 1) = 7;  // 热带鱼
    s.board(4, 2) = 0;
    auto said = [&](const char* key) {
        EXPECT_TRUE(p.session.key(key));
        return p.front.words.back();
    };
    EXPECT_EQ(said("Left"), "边");
    EXPECT_EQ(p.session.cursor(), (Cell{1, 1}));
    EXPECT_EQ(said("Right"), "空");
    EXPECT_EQ(said("Right"), "热带鱼");
    EXPECT_EQ(said("Down"), tileName(s.board(3, 2)));
    EXPECT_EQ(said("End"), "12列，" + tileName(s.board(12, 2)));
    EXPECT_EQ(said("Home"), "1列，" + tileName(s.board(1, 2)));
    EXPECT_EQ(said("Up"), "空");
    EXPECT_EQ(said("r"), "空2、热带鱼、空9");
    keys(p.session, {"Right", "Right"});
    std::string column = "热带鱼";
    for (int r = 2; r <= 10; ++r) column += "、" + tileName(s.board(3, r));
    EXPECT_EQ(said("c"), column);
    EXPECT_EQ(said("a"), "上到边，下" + tileName(s.board(3, 2)) + "，左空2到边，右空9到边");
    // The first key after the pointer tells where the cursor stands.
    p.session.pointerUsed();
    EXPECT_EQ(said("Left"), "1行3列，热带鱼");
    EXPECT_EQ(p.session.cursor(), (Cell{3, 1}));
}

// L tries the cursor's tile with the next tile of its picture and, at the
// next L, with the one after; the cursor stays, a refusal leaves nothing
// picked, and only the outcome is said.
TEST(SessionKeys, LTriesTheCursorsTileWithEachOtherOfItsPictureInTurn) {
    Played p;
    p.session.click(Part::start);
    p.session.boardFocus(true);
    p.session.keyboardUsed();
    GameState& s = p.session.arrange();
    for (int r = 1; r <= s.rows; ++r)
        for (int c = 1; c <= s.cols; ++c) s.board(c, r) = 0;
    s.board(2, 2) = 1;                   // the cursor's tile
    s.board(6, 5) = 1;                   // next in reading order, walled in:
    for (Cell w : {Cell{5, 5}, Cell{7, 5}, Cell{6, 4}, Cell{6, 6}}) s.board(w.col, w.row) = 2;
    s.board(3, 8) = 1;                   // down column 2, then right: links
    s.board(9, 9) = 3;                   // a lone tile
    auto said = [&](const char* key) {
        EXPECT_TRUE(p.session.key(key));
        return p.front.words.back();
    };
    keys(p.session, {"Right", "Down"});
    // A tile picked elsewhere is let go, silently.
    keys(p.session, {"Right", "Right", "Right", "Down", "Down", "Down", "space"});
    EXPECT_EQ(p.front.words.back(), "选中");
    keys(p.session, {"Up", "Up", "Up", "Left", "Left", "Left"});
    const size_t before = p.front.words.size();
    EXPECT_EQ(said("l"), "连不上");
    EXPECT_EQ(p.front.words.size(), before + 1);
    EXPECT_EQ(p.session.cursor(), (Cell{2, 2}));
    EXPECT_EQ(p.st().picked, kFalse);
    EXPECT_EQ(s.board(6, 5), 1);
    EXPECT_EQ(said("l"), "消除，8行3列");
    EXPECT_EQ(p.session.cursor(), (Cell{2, 2}));
    EXPECT_EQ(s.board(2, 2), 0);
    EXPECT_EQ(s.board(3, 8), 0);
    EXPECT_EQ(s.board(6, 5), 1);
    EXPECT_EQ(said("l"), "没有");  // now an empty cell
    p.session.tick(TimerId::Timer2);
    EXPECT_GT(p.st().score, 0);
    keys(p.session, {"End", "Down", "Down", "Down", "Down", "Down", "Down", "Down", "Left", "Left", "Left"});
    EXPECT_EQ(p.session.cursor(), (Cell{9, 9}));
    EXPECT_EQ(said("l"), "没有");  // no other tile of its picture
    EXPECT_EQ(p.st().picked, kFalse);
}

TEST(SessionKeys, AfterATimeOutTheBoardIsBlankForTheKeysButT) {
    Played p;
    p.session.click(Part::start);
    p.session.boardFocus(true);
    p.session.keyboardUsed();
    p.session.click(Part::Fail);
    p.session.tick(TimerId::Timer1);
    EXPECT_TRUE(p.session.blank());
    EXPECT_FALSE(p.session.cursorShown());
    const GameState before = p.st();
    const size_t said = p.front.words.size();
    keys(p.session, {"Right", "space", "n", "l", "Down", "End"});
    EXPECT_EQ(p.session.cursor(), (Cell{1, 1}));
    EXPECT_EQ(p.st().picked, before.picked);
    EXPECT_EQ(p.front.words.size(), said);
    keys(p.session, {"t"});
    EXPECT_EQ(p.front.words.size(), said + 1);
    // The mouse keeps the rules' behaviour there, silently.
    p.session.press(1, 0, 510 + 5, 510 + 5);
    p.session.release(1, 0, 510 + 5, 510 + 5);
    EXPECT_EQ(p.st().picked, kTrue);
    EXPECT_EQ(p.front.words.size(), said + 1);
    // A deal ends it.
    p.session.click(Part::start);
    EXPECT_FALSE(p.session.blank());
    EXPECT_TRUE(p.session.cursorShown());
}

}  // namespace mepo
