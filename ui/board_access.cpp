#include "board_access.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <array>

#include "board_view.h"
#include "render/geometry.h"
#include "session/session.h"
#include "session/words.h"
#include "ui/toolkit/picture_box.h"

namespace mepo {

namespace {

const QString kBoardName = QStringLiteral("棋盘");

QString rowName(int boardRow) { return QStringLiteral("第%1行").arg(boardRow); }
QString columnName(int boardCol) { return QStringLiteral("第%1列").arg(boardCol); }

void send(QAccessibleInterface* iface, QAccessible::Event what) {
    if (!iface) return;
    QAccessibleEvent e(iface, what);
    QAccessible::updateAccessibility(&e);
}

}  // namespace

// One cell of the tiles' area, at board column col and row row (from 1).
class BoardCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    BoardCell(BoardTable& table, Cell at) : table_(table), at_(at) {}

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
    int columnIndex() const override { return at_.col - 1; }
    int rowIndex() const override { return at_.row - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

    Cell at() const { return at_; }

private:
    BoardTable& table_;
    Cell at_;
};

// The board's widget as a table. Its cells are made when first asked for and
// live as long as it does; its shape is the one its readers were last told.
class BoardTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardTable(BoardAccess& access)
        : QAccessibleWidget(&access.view_.board(), QAccessible::Table),
          view_(&access.view_),
          access_(&access),
          cols_(access.view_.session().state().cols),
          rows_(access.view_.session().state().rows) {
        access.table_ = this;
    }
    ~BoardTable() override {
        for (QAccessible::Id id : ids_)
            if (id) QAccessible::deleteAccessibleInterface(id);
        if (access_) access_->table_ = nullptr;
    }

    // The view's side is going first.
    void detach() {
        access_ = nullptr;
        view_ = nullptr;
    }
    // Null once the view has gone.
    const BoardView* view() const { return view_; }

    int cols() const { return view_ ? cols_ : 0; }
    int rows() const { return view_ ? rows_ : 0; }
    bool inside(Cell c) const { return c.col >= 1 && c.col <= cols() && c.row >= 1 && c.row <= rows(); }
    int cellCount() const { return cols() * rows(); }

    // The cell, made on first use; null outside the table.
    QAccessibleInterface* cell(Cell c) const {
        if (!inside(c)) return nullptr;
        QAccessible::Id& id = ids_[c.row * kGridCols + c.col];
        if (!id) id = QAccessible::registerAccessibleInterface(new BoardCell(*const_cast<BoardTable*>(this), c));
        return QAccessible::accessibleInterface(id);
    }
    // The cell if it has been made.
    QAccessibleInterface* madeCell(Cell c) const {
        const QAccessible::Id id = inside(c) ? ids_[c.row * kGridCols + c.col] : 0;
        return id ? QAccessible::accessibleInterface(id) : nullptr;
    }

    // Takes the board's size and, while a reader listens, tells it of the
    // cells that leave the table and of those that join it.
    void reshape(bool tell) {
        if (!view_) return;
        const int cols = view_->session().state().cols, rows = view_->session().state().rows;
        if (cols == cols_ && rows == rows_) return;
        for (int r = 1; r <= rows_; ++r)
            for (int c = 1; c <= cols_; ++c)
                if (c > cols || r > rows) drop({c, r}, tell);
        const int oldCols = cols_, oldRows = rows_;
        cols_ = cols;
        rows_ = rows;
        if (!tell) return;
        for (int r = 1; r <= rows_; ++r)
            for (int c = 1; c <= cols_; ++c)
                if (c > oldCols || r > oldRows) send(cell({c, r}), QAccessible::ObjectCreated);
    }

    // QAccessibleInterface: the cells row by row, then the board's own
    // child widgets.
    int childCount() const override { return cellCount() + QAccessibleWidget::childCount(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0) return nullptr;
        if (index < cellCount()) return cell({index % cols() + 1, index / cols() + 1});
        return QAccessibleWidget::child(index - cellCount());
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (auto* c = dynamic_cast<const BoardCell*>(child))
            return c->table() == this && inside(c->at()) ? (c->at().row - 1) * cols() + c->at().col - 1 : -1;
        const int widget = QAccessibleWidget::indexOfChild(child);
        return widget < 0 ? -1 : cellCount() + widget;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint p = widget()->mapFromGlobal(QPoint(x, y));
        if (p.x() < 0 || p.y() < 0) return nullptr;
        return cell({p.x() / kCellPixels, p.y() / kCellPixels});
    }
    QString text(QAccessible::Text t) const override {
        // Its size a reader tells from the table itself ("table with 10
        // rows 12 columns"); a description would only say it again.
        if (t == QAccessible::Name) return kBoardName;
        return QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override { return cell({column + 1, row + 1}); }
    int selectedCellCount() const override { return pickedCell() ? 1 : 0; }
    QList<QAccessibleInterface*> selectedCells() const override {
        if (QAccessibleInterface* c = pickedCell()) return {c};
        return {};
    }
    QString columnDescription(int column) const override { return columnName(column + 1); }
    QString rowDescription(int row) const override { return rowName(row + 1); }
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
    QAccessibleInterface* pickedCell() const {
        if (!view_) return nullptr;
        const GameState& s = view_->session().state();
        if (s.picked == kFalse) return nullptr;
        return cell({s.pick(1, 1), s.pick(1, 2)});
    }
    // A cell leaves the table: its readers are told, and it goes.
    void drop(Cell c, bool tell) {
        QAccessible::Id& id = ids_[c.row * kGridCols + c.col];
        if (!id) return;
        if (tell) send(QAccessible::accessibleInterface(id), QAccessible::ObjectDestroyed);
        QAccessible::deleteAccessibleInterface(id);
        id = 0;
    }

    QPointer<BoardView> view_;
    BoardAccess* access_ = nullptr;
    int cols_, rows_;
    mutable std::array<QAccessible::Id, kGridCols * kGridRows> ids_{};
};

bool BoardCell::isValid() const { return table_.inside(at_); }
QWindow* BoardCell::window() const { return table_.window(); }
QAccessibleInterface* BoardCell::parent() const { return &table_; }
QAccessibleInterface* BoardCell::table() const { return &table_; }

QString BoardCell::text(QAccessible::Text t) const {
    if (!isValid()) return {};
    const Session& session = table_.view()->session();
    if (t == QAccessible::Name)
        return QString::fromStdString(tileName(session.blank() ? 0 : session.state().board(at_.col, at_.row)));
    if (t == QAccessible::Description) return rowName(at_.row) + QStringLiteral("，") + columnName(at_.col);
    return {};
}

QRect BoardCell::rect() const {
    if (!isValid()) return {};
    const QWidget& board = table_.view()->board();
    return {board.mapToGlobal(QPoint(at_.col * kCellPixels, at_.row * kCellPixels)), QSize(kCellPixels, kCellPixels)};
}

bool BoardCell::isSelected() const {
    if (!isValid()) return false;
    const GameState& s = table_.view()->session().state();
    return s.picked != kFalse && s.pick(1, 1) == at_.col && s.pick(1, 2) == at_.row;
}

QAccessible::State BoardCell::state() const {
    QAccessible::State s;
    if (!isValid()) {
        s.invalid = true;
        return s;
    }
    const BoardView& view = *table_.view();
    s.disabled = !view.board().isEnabled();
    s.focusable = false;
    s.selectable = true;
    s.selected = isSelected();
    return s;
}

namespace {

QAccessibleInterface* boardFactory(const QString&, QObject* object) {
    BoardView* view = BoardView::of(object);
    return view ? new BoardTable(view->access()) : nullptr;
}

}  // namespace

BoardAccess::BoardAccess(BoardView& view) : view_(view) {}

void BoardAccess::install() {
    // The factory makes the table of any board that carries a view; Qt keeps
    // it once however often it is installed.
    QAccessible::installFactory(boardFactory);
    // Qt may have made the board a plain widget's interface while it was
    // being built: it is made again, as the table.
    QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(&view_.board());
    if (seen && !dynamic_cast<BoardTable*>(seen)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(seen));
        QAccessible::queryAccessibleInterface(&view_.board());
    }
}

BoardAccess::~BoardAccess() {
    // The view goes, and its table with it: a reader that asks again finds
    // the board a plain widget.
    if (!table_) return;
    BoardTable* table = table_;
    table->detach();
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(table));
}

QAccessibleInterface* BoardAccess::table() const { return table_; }

QAccessibleInterface* BoardAccess::cell(Cell c) const { return table_ ? table_->cell(c) : nullptr; }

void BoardAccess::selectionChanged(Cell c) {
    if (!QAccessible::isActive() || !table_) return;
    if (QAccessibleInterface* at = table_->cell(c)) {
        QAccessibleEvent e(at, at->state().selected ? QAccessible::SelectionAdd : QAccessible::SelectionRemove);
        QAccessible::updateAccessibility(&e);
    }
}

void BoardAccess::renamed() {
    if (!QAccessible::isActive() || !table_) return;
    // Only the cells a reader has met can hold an old name.
    for (int row = 1; row <= table_->rows(); ++row)
        for (int col = 1; col <= table_->cols(); ++col) send(table_->madeCell({col, row}), QAccessible::NameChanged);
}

void BoardAccess::renamed(Cell a, Cell b) {
    if (!QAccessible::isActive() || !table_) return;
    send(table_->madeCell(a), QAccessible::NameChanged);
    if (b != a) send(table_->madeCell(b), QAccessible::NameChanged);
}

void BoardAccess::reshape() {
    if (table_) table_->reshape(QAccessible::isActive());
}

}  // namespace mepo
