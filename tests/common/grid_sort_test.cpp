#include "common/grid_sort.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

using Rows = std::vector<std::vector<std::string>>;

RowTable sample()
{
    RowTable t;
    t.rows = {
        {"Konto", "Nazwa"},
        {"003", "Nowak"},
        {"001", "\xa3ukasz"}, // Łukasz
        {"010", "Adamski"},
        {"002", "Zieli\xf1ski"},
    };
    t.selectedRow = 2;
    return t;
}

std::vector<std::string> column(const RowTable& t, std::size_t c)
{
    std::vector<std::string> out;
    for (std::size_t r = 1; r < t.rows.size(); ++r)
        out.push_back(t.rows[r][c]);
    return out;
}

TEST(SortGridByColumn, SortsBytewiseUpAndDownKeepingTheSelectedRow)
{
    RowTable t = sample();
    SortGridByColumn(t, 1, true);
    EXPECT_EQ(column(t, 1), (std::vector<std::string>{"Adamski", "Nowak", "Zieli\xf1ski", "\xa3ukasz"}));
    EXPECT_EQ(column(t, 0), (std::vector<std::string>{"010", "003", "002", "001"}));
    EXPECT_EQ(t.rows[0], (std::vector<std::string>{"Konto", "Nazwa"}));
    EXPECT_EQ(t.rows[t.selectedRow][0], "001");

    SortGridByColumn(t, 1, false);
    EXPECT_EQ(column(t, 1), (std::vector<std::string>{"\xa3ukasz", "Zieli\xf1ski", "Nowak", "Adamski"}));
    EXPECT_EQ(t.selectedRow, 1);
}

TEST(SortGridByColumn, PrefixComesFirstAndShortRowsSortAsEmpty)
{
    RowTable t;
    t.rows = {{"K", "N"}, {"1", "ab"}, {"2", "a"}, {"3"}, {"4", "abc"}};
    SortGridByColumn(t, 1, true);
    EXPECT_EQ(column(t, 0), (std::vector<std::string>{"3", "2", "1", "4"}));
}

TEST(SortGridByColumn, SelectionFollowsItsRowAmongEqualKeys)
{
    RowTable t;
    t.rows = {{"Konto", "Nazwa"}, {"005", "KOWALSKI"}, {"001", "Kowalski"}, {"003", "Bury"}};
    t.selectedRow = 1;
    SortGridByColumn(t, 1, false); // "Kowalski" now comes first, but 005 stays chosen
    EXPECT_EQ(t.rows[t.selectedRow][0], "005");
    t.selectedRow = 3;
    const std::string chosen = t.rows[3][0];
    SortGridByColumn(t, 1, true);
    EXPECT_EQ(t.rows[t.selectedRow][0], chosen);
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
        EXPECT_EQ(t.selectedRow, 2);
    }
}

TEST(SortGridByColumn, SortsTenThousandRows)
{
    RowTable t;
    t.rows.push_back({"Konto", "Nazwa"});
    for (int i = 0; i < 10000; ++i)
        t.rows.push_back({std::to_string(i), std::to_string((i * 7919) % 10007)});
    t.selectedRow = 5000;
    const auto selected = t.rows[5000];
    SortGridByColumn(t, 1, true);
    ASSERT_EQ(t.rows.size(), 10001u);
    EXPECT_TRUE(std::is_sorted(t.rows.begin() + 1, t.rows.end(),
                               [](const auto& a, const auto& b) { return a[1] < b[1]; }));
    EXPECT_EQ(t.rows[t.selectedRow], selected);
}

} // namespace
