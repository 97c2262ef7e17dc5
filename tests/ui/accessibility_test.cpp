// The board and the labels as a screen reader finds them through Qt's
// accessibility: a table of the tiles named in Chinese, the picked tile
// selected, a link's cells empty, the cursor's cell focused and announced.
#include <QAccessible>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include "support/form_fixture.h"

namespace mepo {

namespace {

// Every event the game sent: its kind, the interface, and for a change of
// state whether the selection changed.
std::vector<std::tuple<QAccessible::Event, QAccessible::Id, bool>> heard;

void listen(QAccessibleEvent* e) {
    const bool selection = e->type() == QAccessible::StateChanged &&
                           static_cast<QAccessibleStateChangeEvent*>(e)->changedStates().selected;
    heard.emplace_back(e->type(), QAccessible::uniqueId(e->accessibleInterface()), selection);
}

class AccessibilityTest : public test::FormTest {
protected:
    // As the platform's bridge does once a screen reader listens.
    static void setActive(bool on) { QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(on); }
    void SetUp() override {
        setActive(true);
        QAccessible::installUpdateHandler(listen);
        heard.clear();
        FormTest::SetUp();
        form->start.click();
    }
    void TearDown() override {
        FormTest::TearDown();
        QAccessible::installUpdateHandler(nullptr);
        setActive(false);
    }

    QAccessibleInterface* board() { return QAccessible::queryAccessibleInterface(form->Picture1); }
    // The cell of board column col and row row.
    QAccessibleInterface* cell(int col, int row) { return board()->tableInterface()->cellAt(row - 1, col - 1); }
    QString name(int col, int row) { return cell(col, row)->text(QAccessible::Name); }
    bool told(QAccessible::Event type, QAccessibleInterface* iface, bool selection = false) {
        return std::ranges::count(heard, std::tuple(type, QAccessible::uniqueId(iface), selection)) > 0;
    }
};

}  // namespace

TEST_F(AccessibilityTest, BoardIsATableOfTheTilesNamedInChinese) {
    QAccessibleTableInterface* table = board()->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(board()->role(), QAccessible::Table);
    EXPECT_EQ(board()->text(QAccessible::Name), "棋盘");
    EXPECT_TRUE(told(QAccessible::TableModelChanged, board()));
    EXPECT_EQ(table->rowCount(), 10);
    EXPECT_EQ(table->columnCount(), 12);
    // Code 9 is the penguin: each of its ten tiles says so, at its own row
    // and column (counted from 0 in the table, from 1 on the board).
    int penguins = 0;
    for (int c = 1; c <= 12; ++c)
        for (int r = 1; r <= 10; ++r) {
            QAccessibleTableCellInterface* at = cell(c, r)->tableCellInterface();
            penguins += form->st.board(c, r) == 9 && name(c, r) == "企鹅" && at->rowIndex() == r - 1 &&
                        at->columnIndex() == c - 1;
        }
    EXPECT_EQ(penguins, 10);
    form->st.board(1, 1) = 60;  // past the sheet: named as the picture drawn for it
    EXPECT_EQ(name(1, 1), "长颈鹿");

    form->Fail.click();
    form->Timer1.fire();
    form->meuHigh.click();
    form->start.click();
    EXPECT_EQ(table->rowCount(), 14);
    EXPECT_EQ(table->columnCount(), 24);
    EXPECT_EQ(board()->childCount(), 14 * 24);
}

TEST_F(AccessibilityTest, PickedTileIsSelectedAndALinkLeavesItsCellsEmpty) {
    form->st.board(2, 1) = form->st.board(1, 1);  // a pair side by side
    clickCell(1, 1);
    EXPECT_TRUE(cell(1, 1)->state().selected);
    EXPECT_FALSE(cell(2, 1)->state().selected);
    EXPECT_TRUE(told(QAccessible::StateChanged, cell(1, 1), true));
    EXPECT_NE(name(2, 1), "空");

    heard.clear();
    clickCell(2, 1);
    EXPECT_EQ(name(1, 1), "空");
    EXPECT_EQ(name(2, 1), "空");
    EXPECT_FALSE(cell(1, 1)->state().selected);
    EXPECT_TRUE(told(QAccessible::StateChanged, cell(1, 1), true));
    EXPECT_TRUE(told(QAccessible::NameChanged, cell(1, 1)) && told(QAccessible::NameChanged, cell(2, 1)));

    // Level, score and time read as they stand.
    form->Timer2.fire();
    form->Timer1.fire();
    for (Label* label : {form->Label1, form->Label2, form->Label3})
        EXPECT_EQ(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name),
                  QString::fromStdString(label->caption()));
}

TEST_F(AccessibilityTest, CursorCellHasTheFocusAndEachMoveIsAnnounced) {
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form->Picture1, Qt::Key_Home);  // shows the cursor on the first tile
    QTest::keyClick(form->Picture1, Qt::Key_Right);
    EXPECT_EQ(board()->focusChild(), cell(2, 1));
    EXPECT_TRUE(cell(2, 1)->state().focused);
    EXPECT_FALSE(cell(1, 1)->state().focused);
    EXPECT_TRUE(told(QAccessible::Focus, cell(2, 1)));
}

}  // namespace mepo
