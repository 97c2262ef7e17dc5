#include "board_access.h"

#include <QAccessibleWidget>
#include <QHash>
#include <array>
#include <string_view>

#include "assets/pictures.h"
#include "board_cursor.h"
#include "form1.h"
#include "render/geometry.h"
#include "render/tiles.h"

namespace mepo {

namespace {

const QString kBoardName = QStringLiteral("棋盘");
constexpr std::string_view kEmptyName = "空";

// A reader tells tiles apart by their names alone, and an empty cell from
// every tile.
constexpr bool namesApart() {
    for (std::size_t i = 0; i < kPictures.size(); ++i) {
        if (std::string_view(kPictures[i].chinese) == kEmptyName) return false;
        for (std::size_t j = i + 1; j < kPictures.size(); ++j)
            if (std::string_view(kPictures[i].chinese) == std::string_view(kPictures[j].chinese)) return false;
    }
    return true;
}
static_assert(namesApart(), "every picture needs a Chinese name of its own, other than the empty cell's");

QString rowWords(int boardRow) { return QStringLiteral("第%1行").arg(boardRow); }
QString columnWords(int boardCol) { return QStringLiteral("第%1列").arg(boardCol); }

class BoardTable;

// The boards of the open forms, and their tables once a reader asked.
struct Board {
    Form1* form;
    BoardTable* table = nullptr;
};
QHash<QObject*, Board>& boards() {
    static QHash<QObject*, Board> all;
    return all;
}

// One cell of the tiles' area, at board column col and row row (from 1).
class BoardCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    BoardCell(BoardTable& table, int col, int row) : table_(table), col_(col), row_(row) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return col_ - 1; }
    int rowIndex() const override { return row_ - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

    int col() const { return col_; }
    int row() const { return row_; }

private:
    BoardTable& table_;
    int col_, row_;
};

// The board widget as a table. Its cells are made when first asked for and
// live as long as it does.
class BoardTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardTable(Form1& form) : QAccessibleWidget(form.Picture1, QAccessible::Table), form_(&form) {}
    ~BoardTable() override {
        for (QAccessible::Id id : ids_)
            if (id) QAccessible::deleteAccessibleInterface(id);
        for (Board& b : boards())
            if (b.table == this) b.table = nullptr;
    }

    // Null once the form is going.
    const Form1* form() const { return form_; }
    void forget() { form_ = nullptr; }

    int cols() const { return form_ ? form_->st.cols : 0; }
    int rows() const { return form_ ? form_->st.rows : 0; }
    bool inside(int col, int row) const { return col >= 1 && col <= cols() && row >= 1 && row <= rows(); }

    // The cell at board column col and row row, made on first use; null
    // outside the tiles' area.
    QAccessibleInterface* cell(int col, int row) const {
        if (!inside(col, row)) return nullptr;
        QAccessible::Id& id = ids_[row * kGridCols + col];
        if (!id) id = QAccessible::registerAccessibleInterface(new BoardCell(*const_cast<BoardTable*>(this), col, row));
        return QAccessible::accessibleInterface(id);
    }
    // The cell if a reader has already met it.
    QAccessibleInterface* madeCell(int col, int row) const {
        const QAccessible::Id id = inside(col, row) ? ids_[row * kGridCols + col] : 0;
        return id ? QAccessible::accessibleInterface(id) : nullptr;
    }
    QAccessibleInterface* cursorCell() const {
        if (!form_ || !form_->cursor || !form_->Picture1->hasFocus()) return nullptr;
        return cell(form_->cursor->col(), form_->cursor->row());
    }
    QAccessibleInterface* pickedCell() const {
        if (!form_ || form_->st.picked == kFalse) return nullptr;
        return cell(form_->st.pick(1, 1), form_->st.pick(1, 2));
    }

    // QAccessibleInterface: the cells are the table's children, row by row.
    int childCount() const override { return cols() * rows(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        return cell(index % cols() + 1, index / cols() + 1);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        auto* c = dynamic_cast<const BoardCell*>(child);
        if (!c || c->table() != this || !inside(c->col(), c->row())) return -1;
        return (c->row() - 1) * cols() + c->col() - 1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint p = widget()->mapFromGlobal(QPoint(x, y));
        if (p.x() < 0 || p.y() < 0) return nullptr;
        return cell(p.x() / kCellPixels, p.y() / kCellPixels);
    }
    QAccessibleInterface* focusChild() const override { return cursorCell(); }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return kBoardName;
        if (t == QAccessible::Description) return QStringLiteral("共%1行%2列").arg(rows()).arg(cols());
        return QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override { return cell(column + 1, row + 1); }
    int selectedCellCount() const override { return pickedCell() ? 1 : 0; }
    QList<QAccessibleInterface*> selectedCells() const override {
        if (QAccessibleInterface* c = pickedCell()) return {c};
        return {};
    }
    QString columnDescription(int column) const override { return columnWords(column + 1); }
    QString rowDescription(int row) const override { return rowWords(row + 1); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return cols(); }
    int rowCount() const override { return rows(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    // The cells read the game afresh each time: nothing to rebuild.
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    Form1* form_;
    mutable std::array<QAccessible::Id, kGridCols * kGridRows> ids_{};
};

bool BoardCell::isValid() const { return table_.form() && table_.inside(col_, row_); }
QWindow* BoardCell::window() const { return table_.window(); }
QAccessibleInterface* BoardCell::parent() const { return &table_; }
QAccessibleInterface* BoardCell::table() const { return &table_; }

QString BoardCell::text(QAccessible::Text t) const {
    if (!isValid()) return {};
    if (t == QAccessible::Name) return tileName(table_.form()->st.board(col_, row_));
    if (t == QAccessible::Description) return rowWords(row_) + QStringLiteral("，") + columnWords(col_);
    return {};
}

QRect BoardCell::rect() const {
    if (!isValid()) return {};
    const QWidget* board = table_.form()->Picture1;
    return {board->mapToGlobal(QPoint(col_ * kCellPixels, row_ * kCellPixels)), QSize(kCellPixels, kCellPixels)};
}

bool BoardCell::isSelected() const {
    const Form1* f = table_.form();
    return isValid() && f->st.picked != kFalse && f->st.pick(1, 1) == col_ && f->st.pick(1, 2) == row_;
}

QAccessible::State BoardCell::state() const {
    QAccessible::State s;
    if (!isValid()) {
        s.invalid = true;
        return s;
    }
    const Form1* f = table_.form();
    s.disabled = !f->Picture1->isEnabled();
    s.focusable = true;
    s.selectable = true;
    s.selected = isSelected();
    s.focused = f->Picture1->hasFocus() && f->cursor && f->cursor->col() == col_ && f->cursor->row() == row_;
    return s;
}

QAccessibleInterface* boardFactory(const QString&, QObject* object) {
    auto it = boards().find(object);
    if (it == boards().end()) return nullptr;
    it->table = new BoardTable(*it->form);
    return it->table;
}

BoardTable* tableOf(const Form1& form) {
    auto it = boards().constFind(form.Picture1);
    return it == boards().constEnd() ? nullptr : it->table;
}

void send(QAccessibleInterface* cell, QAccessible::Event what) {
    if (!cell) return;
    QAccessibleEvent e(cell, what);
    QAccessible::updateAccessibility(&e);
}

void sendSelection(QAccessibleInterface* cell) {
    if (!cell) return;
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent e(cell, changed);
    QAccessible::updateAccessibility(&e);
}

// The cursor read aloud whenever it shows on a cell: the cell takes the
// focus.
void cursorMoved(Form1& form) {
    if (!QAccessible::isActive() || !form.cursor->shown()) return;
    if (auto* table = dynamic_cast<BoardTable*>(QAccessible::queryAccessibleInterface(form.Picture1)))
        send(table->cursorCell(), QAccessible::Focus);
}

}  // namespace

QString tileName(int code) {
    return QString::fromUtf8(code == 0 ? kEmptyName.data() : kPictures[pictureOf(code)].chinese);
}

void installBoardAccess(Form1& form) {
    static const bool factoryInstalled = (QAccessible::installFactory(boardFactory), true);
    (void)factoryInstalled;
    boards().insert(form.Picture1, Board{&form});
    // Qt may have made the board a plain widget's interface while it was
    // being built: it is made again, as the table.
    QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(form.Picture1);
    if (seen && !dynamic_cast<BoardTable*>(seen)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(seen));
        QAccessible::queryAccessibleInterface(form.Picture1);
    }
    form.cursor->onMoved = [&form] { cursorMoved(form); };
}

void removeBoardAccess(Form1& form) {
    form.cursor->onMoved = nullptr;
    auto it = boards().find(form.Picture1);
    if (it == boards().end()) return;
    BoardTable* table = it->table;
    boards().erase(it);
    if (table) {
        table->forget();
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(table));
    }
}

void announceRelease(const Form1& form, Release outcome) {
    BoardTable* table = QAccessible::isActive() ? tableOf(form) : nullptr;
    if (!table || outcome == Release::Nothing || outcome == Release::RestoreFrame) return;
    // The search may have swapped the picks' places: the tile that lost its
    // selection is either of the two.
    const GameState& s = form.st;
    QAccessibleInterface* first = table->cell(s.pick(1, 1), s.pick(1, 2));
    QAccessibleInterface* second = outcome == Release::Selected ? first : table->cell(s.pick(2, 1), s.pick(2, 2));
    sendSelection(first);
    if (second != first) sendSelection(second);
    if (outcome == Release::Linked) {
        send(first, QAccessible::NameChanged);
        send(second, QAccessible::NameChanged);
    }
}

void announceDeal(const Form1& form) {
    BoardTable* table = QAccessible::isActive() ? tableOf(form) : nullptr;
    if (!table) return;
    QAccessibleTableModelChangeEvent reset(table, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&reset);
    // Qt's AT-SPI bridge passes no model reset on: every cell a reader has
    // met says its new name.
    for (int row = 1; row <= table->rows(); ++row)
        for (int col = 1; col <= table->cols(); ++col) send(table->madeCell(col, row), QAccessible::NameChanged);
}

}  // namespace mepo
