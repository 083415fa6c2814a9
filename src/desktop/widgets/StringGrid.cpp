#include "desktop/widgets/StringGrid.h"

#include "desktop/widgets/RowTableModel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

StringGrid::StringGrid(QWidget* parent) : QTableView(parent), model_(new RowTableModel(this))
{
    setModel(model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setWordWrap(false);
    setTabKeyNavigation(false);

    QHeaderView* rows = verticalHeader();
    rows->hide();
    rows->setMinimumSectionSize(1);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(kRowHeight);

    QHeaderView* header = horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setStretchLastSection(false);
    header->setHighlightSections(false);
    header->setSectionsClickable(true);
    header->setFixedHeight(kRowHeight + 2);
    header->viewport()->setMouseTracking(true);
    header->viewport()->installEventFilter(this);
}

void StringGrid::setTable(RowTable table)
{
    const int selected = table.selectedRow;
    model_->setTable(std::move(table));
    applyColumnWidths();
    setSelectedRow(selected);
}

const RowTable& StringGrid::table() const { return model_->table(); }

int StringGrid::rowCount() const { return static_cast<int>(model_->table().rows.size()); }

std::string StringGrid::cell(int row, int column) const
{
    const auto& rows = model_->table().rows;
    if (row < 0 || static_cast<std::size_t>(row) >= rows.size() || column < 0 ||
        static_cast<std::size_t>(column) >= rows[row].size())
        return {};
    return rows[row][column];
}

int StringGrid::selectedRow() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row() + 1;
}

void StringGrid::setSelectedRow(int row)
{
    if (row < 1 || row >= rowCount()) {
        selectionModel()->clearSelection();
        return;
    }
    const QModelIndex index = model_->index(row - 1, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

void StringGrid::sortRows(int column, bool ascending)
{
    model_->setSelectedRow(selectedRow());
    model_->sort(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    applyColumnWidths();
    setSelectedRow(model_->table().selectedRow);
}

void StringGrid::setColumnWidths(std::initializer_list<int> widths)
{
    columnWidths_.assign(widths);
    applyColumnWidths();
}

// A new or reordered table resets the header's sections.
void StringGrid::applyColumnWidths()
{
    for (std::size_t column = 0; column < columnWidths_.size(); ++column)
        horizontalHeader()->resizeSection(static_cast<int>(column), columnWidths_[column]);
}

void StringGrid::setHeaderCursor(const QCursor* cursor, int columns)
{
    headerCursor_ = cursor;
    headerCursorColumns_ = columns;
}

void StringGrid::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

bool StringGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == horizontalHeader()->viewport() && event->type() == QEvent::MouseMove) {
        const int column = horizontalHeader()->logicalIndexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        QWidget* header = horizontalHeader()->viewport();
        if (headerCursor_ && column >= 0 && column < headerCursorColumns_)
            header->setCursor(*headerCursor_);
        else
            header->unsetCursor();
    }
    return QTableView::eventFilter(watched, event);
}
