// The board and the labels as a screen reader finds them through Qt's
// accessibility: a table of the tiles named in Chinese that keeps the
// focus, the events that Qt's AT-SPI bridge passes on to readers, the
// game's words going to the table, and the blank board after a time-out.
// (What the words are is the session's tests'; what Orca really speaks is
// checked by tests/a11y/orca_plays.)
#include <QAccessible>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include "support/form_fixture.h"
#include "ui/board_view.h"

namespace mepo {

namespace {

// Every event the game sent: its kind and the interface.
std::vector<std::pair<QAccessible::Event, QAccessible::Id>> heard;

void listen(QAccessibleEvent* e) { heard.emplace_back(e->type(), QAccessible::uniqueId(e->accessibleInterface())); }

class AccessibilityTest : public test::FormTest {
protected:
    // As the platform's bridge does once a screen reader listens.
    static void setActive(bool on) { QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(on); }
    void SetUp() override {
        setActive(true);
        QAccessible::installUpdateHandler(listen);
        heard.clear();
        FormTest::SetUp();
        board();  // a reader asks for the board
        BoardView::of(test::FormTest::board())->voice = [this](QAccessibleInterface* about, const QString& words) {
            said.emplace_back(about, words);
        };
        item("start").click();
        QCoreApplication::processEvents();
    }
    void TearDown() override {
        FormTest::TearDown();
        QAccessible::installUpdateHandler(nullptr);
        setActive(false);
    }

    QAccessibleInterface* board() { return QAccessible::queryAccessibleInterface(test::FormTest::board()); }
    // The cell of board column col and row row.
    QAccessibleInterface* cell(int col, int row) { return board()->tableInterface()->cellAt(row - 1, col - 1); }
    QString name(int col, int row) { return cell(col, row)->text(QAccessible::Name); }
    bool told(QAccessible::Event type, QAccessibleInterface* iface) {
        return std::ranges::count(heard, std::pair(type, QAccessible::uniqueId(iface))) > 0;
    }
    // What the board said last, and about which object.
    QString lastWords() { return said.empty() ? QString() : said.back().second; }
    void key(Qt::Key k) { QTest::keyClick(test::FormTest::board(), k); }

    std::vector<std::pair<QAccessibleInterface*, QString>> said;
};

}  // namespace

TEST_F(AccessibilityTest, BoardIsATableOfTheTilesNamedInChinese) {
    QAccessibleTableInterface* table = board()->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(board()->role(), QAccessible::Table);
    EXPECT_EQ(board()->text(QAccessible::Name), "棋盘");
    EXPECT_EQ(table->rowCount(), 10);
    EXPECT_EQ(table->columnCount(), 12);
    // Code 9 is the penguin: each of its ten tiles says so, at its own row
    // and column (counted from 0 in the table, from 1 on the board).
    int penguins = 0;
    for (int c = 1; c <= 12; ++c)
        for (int r = 1; r <= 10; ++r) {
            QAccessibleTableCellInterface* at = cell(c, r)->tableCellInterface();
            penguins += st().board(c, r) == 9 && name(c, r) == "企鹅" && at->rowIndex() == r - 1 &&
                        at->columnIndex() == c - 1;
        }
    EXPECT_EQ(penguins, 10);
    st().board(1, 1) = 60;  // past the sheet: named as the picture drawn for it
    EXPECT_EQ(name(1, 1), "长颈鹿");

    // A difficulty tells readers of the cells that join the table; going
    // back, of the cells that leave it.
    item("Fail").click();
    timer("Timer1").fire();
    QAccessibleInterface* corner = cell(12, 10);
    heard.clear();
    item("meuHigh").click();
    EXPECT_EQ(table->rowCount(), 14);
    EXPECT_EQ(table->columnCount(), 24);
    EXPECT_EQ(board()->text(QAccessible::Description), "");  // the size is the table's own
    EXPECT_TRUE(told(QAccessible::ObjectCreated, cell(24, 14)) && told(QAccessible::ObjectCreated, cell(13, 1)));
    EXPECT_FALSE(told(QAccessible::ObjectCreated, corner));
    const QAccessible::Id far = QAccessible::uniqueId(cell(24, 14));
    heard.clear();
    item("meuBase").click();
    EXPECT_EQ(std::ranges::count(heard, std::pair(QAccessible::ObjectDestroyed, far)), 1);
    EXPECT_EQ(table->rowCount(), 10);
}

TEST_F(AccessibilityTest, EveryObjectIsListedByItsParent) {
    // From the window down: each child names as parent the object that
    // lists it, at the index it is listed at (the board's table lists its
    // cells, then the hidden tile sheet).
    std::vector<QAccessibleInterface*> todo{QAccessible::queryAccessibleInterface(form.get())};
    int seen = 0;
    while (!todo.empty()) {
        QAccessibleInterface* parent = todo.back();
        todo.pop_back();
        for (int i = 0; i < parent->childCount(); ++i) {
            QAccessibleInterface* child = parent->child(i);
            ASSERT_NE(child, nullptr) << parent->text(QAccessible::Name).toStdString() << " child " << i;
            EXPECT_EQ(child->parent(), parent) << child->text(QAccessible::Name).toStdString();
            EXPECT_EQ(parent->indexOfChild(child), i) << child->text(QAccessible::Name).toStdString();
            todo.push_back(child);
            ++seen;
        }
    }
    EXPECT_GT(seen, 120);
    // And from every widget up: its parent lists it (the hidden tile sheet
    // after the board's cells).
    for (QWidget* w : form->findChildren<QWidget*>()) {
        // (Qt's own hidden helpers, such as the menu bar's button for the
        // menus that do not fit, are no concern of the game's.)
        if (w->objectName().startsWith("qt_") && w->isHidden()) continue;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
        QAccessibleInterface* parent = iface && !w->isWindow() ? iface->parent() : nullptr;
        if (!parent) continue;
        const int at = parent->indexOfChild(iface);
        EXPECT_TRUE(at >= 0 && at < parent->childCount() && parent->child(at) == iface) << w->objectName().toStdString();
    }
    EXPECT_EQ(board()->child(120), QAccessible::queryAccessibleInterface(sheet()));
}

// The table keeps the focus as the cursor moves, and every word of the game
// goes to it: a reader that followed the cursor from cell to cell would read
// each cell's name, place and row by itself. The cells tell their picks and
// names as they change.
TEST_F(AccessibilityTest, TheBoardKeepsTheFocusAndTellsPicksAndLinks) {
    GameState& s = st();
    QTest::keyClick(form.get(), Qt::Key_Shift);
    heard.clear();
    said.clear();
    item("start").click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(board()->state().focused);
    ASSERT_FALSE(said.empty());
    EXPECT_EQ(said.back().first, board());
    EXPECT_EQ(lastWords(), "第1关，1行1列，" + name(1, 1));

    s.board(2, 1) = s.board(1, 1);  // a pair side by side
    heard.clear();
    key(Qt::Key_Space);
    EXPECT_TRUE(cell(1, 1)->state().selected);
    EXPECT_TRUE(told(QAccessible::SelectionAdd, cell(1, 1)));
    EXPECT_EQ(lastWords(), "选中");
    key(Qt::Key_Right);
    EXPECT_EQ(lastWords(), name(2, 1));
    EXPECT_FALSE(told(QAccessible::Focus, cell(2, 1)));
    EXPECT_FALSE(cell(2, 1)->state().focused);
    key(Qt::Key_Return);
    EXPECT_EQ(lastWords(), "消除");
    EXPECT_EQ(name(1, 1), "空");
    EXPECT_EQ(name(2, 1), "空");
    EXPECT_TRUE(told(QAccessible::SelectionRemove, cell(1, 1)));
    EXPECT_TRUE(told(QAccessible::NameChanged, cell(1, 1)) && told(QAccessible::NameChanged, cell(2, 1)));
    for (const auto& [about, words] : said) EXPECT_EQ(about, board()) << words.toStdString();
}

TEST_F(AccessibilityTest, AfterATimeOutTheBoardIsBlankForEveryone) {
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    ASSERT_EQ(session().cursor(), (Cell{1, 2}));
    const QImage blank = [&] {
        item("Fail").click();
        timer("Timer1").fire();  // a silent time-out
        return test::FormTest::board()->grab().toImage();
    }();
    ASSERT_TRUE(session().blank());
    const std::size_t words = said.size();
    // Keys, Enter among them, show no outline and move nothing; every cell
    // reads 空; the mouse still plays by the rules.
    for (Qt::Key k : {Qt::Key_Return, Qt::Key_Right, Qt::Key_Space, Qt::Key_N, Qt::Key_Down}) key(k);
    EXPECT_FALSE(session().cursorShown());
    EXPECT_EQ(test::FormTest::board()->grab().toImage(), blank);
    EXPECT_EQ(session().cursor(), (Cell{1, 2}));
    EXPECT_EQ(st().picked, kFalse);
    EXPECT_EQ(said.size(), words);
    EXPECT_EQ(name(1, 1), "空");
    EXPECT_NE(st().board(1, 1), 0);
    clickCell(1, 1);
    EXPECT_EQ(st().picked, kTrue);
    EXPECT_EQ(said.size(), words);
    key(Qt::Key_T);  // the time and score still
    EXPECT_EQ(lastWords(), "剩0秒，0分");

    item("start").click();
    EXPECT_NE(name(1, 1), "空");
    key(Qt::Key_Right);
    EXPECT_TRUE(session().cursorShown());
}

}  // namespace mepo
