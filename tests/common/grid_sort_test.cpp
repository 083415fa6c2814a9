#include "common/grid_sort.h"

#include <gtest/gtest.h>

namespace {

using Rows = std::vector<std::vector<std::string>>;

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
    SortGridByColumn(headerOnly, 0, true);
    EXPECT_EQ(headerOnly.rows, (Rows{{"Konto", "Nazwa"}}));
    EXPECT_EQ(headerOnly.selectedRow, 0);

    RowTable empty;
    SortGridByColumn(empty, 0, true);
    EXPECT_TRUE(empty.rows.empty());

    for (const int badColumn : {-1, 2}) {
        RowTable t = sample();
        SortGridByColumn(t, badColumn, true);
        EXPECT_EQ(t.rows, sample().rows);
        EXPECT_EQ(t.selectedRow, 4);
    }
}

} // namespace
