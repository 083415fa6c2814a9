#include "core/common/grid_sort.h"

#include <gtest/gtest.h>

namespace {

RowTable sample()
{
    RowTable t;
    t.rows = {{"Konto", "Nazwa"}, {"003", "Nowak"}, {"001", "\xa3ukasz"}, {"010", "Adamski"}, {"002", "Adamski"}};
    t.selectedRow = 4;
    return t;
}

std::vector<std::string> accounts(const RowTable& t)
{
    std::vector<std::string> out;
    for (std::size_t r = 1; r < t.rows.size(); ++r)
        out.push_back(t.rows[r][0]);
    return out;
}

TEST(SortGridByColumn, SortsBytewiseUpAndDownKeepingTheSelectedRow)
{
    RowTable t = sample();
    SortGridByColumn(t, 1, true); // Ł is byte 0xA3: after every ASCII letter
    EXPECT_EQ(accounts(t), (std::vector<std::string>{"010", "002", "003", "001"}));
    EXPECT_EQ(t.rows[0], (std::vector<std::string>{"Konto", "Nazwa"}));
    EXPECT_EQ(t.rows[t.selectedRow][0], "002"); // not the other Adamski

    SortGridByColumn(t, 1, false);
    EXPECT_EQ(accounts(t), (std::vector<std::string>{"001", "003", "010", "002"}));
    EXPECT_EQ(t.rows[t.selectedRow][0], "002");

    t.rows = {{"K", "N"}, {"1", "ab"}, {"2", "a"}, {"3"}, {"4", "abc"}};
    SortGridByColumn(t, 1, true); // a prefix comes first, a short row sorts as empty
    EXPECT_EQ(accounts(t), (std::vector<std::string>{"3", "2", "1", "4"}));
}

TEST(SortGridByColumn, LeavesTheGridAloneWhenThereIsNothingToSort)
{
    RowTable headerOnly;
    headerOnly.rows = {{"Konto", "Nazwa"}};
    headerOnly.selectedRow = 0;
    for (const auto& [table, column] : {std::pair{headerOnly, 0}, {RowTable{}, 0}, {sample(), -1}, {sample(), 2}}) {
        RowTable t = table;
        SortGridByColumn(t, column, true);
        EXPECT_EQ(t.rows, table.rows) << column;
        EXPECT_EQ(t.selectedRow, table.selectedRow) << column;
    }
}

} // namespace
