#include "desktop/widgets/RowTableModel.h"

#include "desktop/widgets/record_text.h"

void RowTableModel::setTable(RowTable table)
{
    beginResetModel();
    table_ = std::move(table);
    endResetModel();
}

int RowTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || table_.rows.empty() ? 0 : static_cast<int>(table_.rows.size()) - 1;
}

int RowTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : table_.columnCount();
}

QVariant RowTableModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    const auto& row = table_.rows[static_cast<std::size_t>(index.row()) + 1];
    const auto column = static_cast<std::size_t>(index.column());
    return column < row.size() ? fromRecordText(row[column]) : QString();
}

QVariant RowTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    return fromRecordText(table_.rows.front()[static_cast<std::size_t>(section)]);
}

void RowTableModel::sort(int column, Qt::SortOrder order)
{
    beginResetModel();
    SortGridByColumn(table_, column, order == Qt::AscendingOrder);
    endResetModel();
}
