#pragma once
#include "core/common/grid_sort.h"

#include <QAbstractTableModel>

// A list grid's cells for a view: row 0 of the table is the horizontal
// header, rows 1 on are the model's rows 0 on. Cells stay code page 1250
// strings and are converted only when a view asks for them, so a long list
// costs no more than its table.
class RowTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    const RowTable& table() const { return table_; }
    void setTable(RowTable table);
    void setSelectedRow(int row) { table_.selectedRow = row; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // SortGridByColumn over the data rows; the table's selected row follows its row.
    void sort(int column, Qt::SortOrder order) override;

private:
    RowTable table_;
};
