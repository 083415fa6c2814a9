#pragma once
#include <string>
#include <vector>

// The cells of a list dialog's grid, apart from the widget that shows them.
struct RowTable {
    std::vector<std::vector<std::string>> rows; // row 0 is the header
    int selectedRow = -1;

    // The header's number of cells.
    int columnCount() const;
};

// Reorders the data rows (row 1 on) by the texts of one column, compared
// byte by byte as unsigned code page 1250 values (a prefix first). The
// selection stays on the row that was selected. A column outside the table
// changes nothing; a row too short for the column sorts as an empty text.
void SortGridByColumn(RowTable& table, int column, bool ascending);
