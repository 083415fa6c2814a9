#pragma once
#include "core/common/grid_sort.h"

#include <QTableView>

#include <initializer_list>
#include <string>
#include <vector>

class RowTableModel;

// The list grid of the choosing dialogs over a RowTable: grid row 0 is the
// fixed header, rows 1 on the data; whole rows are selected, one at a time.
// Rows are addressed by their grid row number. Enter does nothing when it is
// pressed: the dialogs act on its release.
class StringGrid : public QTableView {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 18;

    explicit StringGrid(QWidget* parent = nullptr);

    // Row 0 of the table is the header; its selected row becomes the grid's.
    void setTable(RowTable table);
    // The cells; the selection is selectedRow().
    const RowTable& table() const;
    // Rows, the header row included.
    int rowCount() const;
    // A cell's text; empty outside the table.
    std::string cell(int row, int column) const;

    // The selected data row, or -1.
    int selectedRow() const;
    // Selects a data row and shows it; anything else clears the selection.
    void setSelectedRow(int row);

    // Reorders the data rows by one column (SortGridByColumn); the selected
    // row stays selected.
    void sortRows(int column, bool ascending);

    void setColumnWidths(std::initializer_list<int> widths);
    // The pointer over the header cells of the first `columns` columns takes
    // `cursor`; elsewhere, or when it is null, the default one.
    void setHeaderCursor(const QCursor* cursor, int columns);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyboardSearch(const QString&) override {}
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyColumnWidths();

    RowTableModel* model_;
    std::vector<int> columnWidths_;
    const QCursor* headerCursor_ = nullptr;
    int headerCursorColumns_ = 0;
};
