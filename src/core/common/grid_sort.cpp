#include "core/common/grid_sort.h"

#include <algorithm>
#include <numeric>
#include <string_view>

int RowTable::columnCount() const { return rows.empty() ? 0 : static_cast<int>(rows.front().size()); }

void SortGridByColumn(RowTable& table, int column, bool ascending)
{
    if (column < 0 || column >= table.columnCount())
        return;
    auto& rows = table.rows;
    const auto key = [&rows, column](std::size_t r) -> std::string_view {
        const auto& row = rows[r];
        return static_cast<std::size_t>(column) < row.size() ? std::string_view(row[column]) : std::string_view();
    };
    // Sort row numbers, not rows; string_view compares bytes as unsigned char.
    std::vector<std::size_t> order(rows.size() - 1);
    std::iota(order.begin(), order.end(), std::size_t{1});
    std::stable_sort(order.begin(), order.end(), [&key, ascending](std::size_t a, std::size_t b) {
        return ascending ? key(a) < key(b) : key(b) < key(a);
    });

    std::vector<std::vector<std::string>> sorted;
    sorted.reserve(rows.size());
    sorted.push_back(std::move(rows.front()));
    for (const std::size_t r : order)
        sorted.push_back(std::move(rows[r]));

    // Follow the selected row itself: another row with the same key (say two
    // taxpayers of one name) must not take its place.
    if (table.selectedRow >= 1 && static_cast<std::size_t>(table.selectedRow) < rows.size()) {
        const auto at = std::find(order.begin(), order.end(), static_cast<std::size_t>(table.selectedRow));
        table.selectedRow = static_cast<int>(at - order.begin()) + 1;
    }
    rows = std::move(sorted);
}
