// The list grids' tables: sorting by a column and the searches of the
// choosing dialogs.
#include "core/common/grid_sort.h"
#include "core/common/list_search.h"

#include <gtest/gtest.h>

namespace {

using Column = std::vector<std::string>;

Column accounts(const RowTable& t)
{
    Column out;
    for (std::size_t r = 1; r < t.rows.size(); ++r)
        out.push_back(t.rows[r][0]);
    return out;
}

TEST(SortGridByColumn, SortsBytewiseUpAndDownKeepingTheSelectedRow)
{
    RowTable t;
    t.rows = {{"Konto", "Nazwa"}, {"003", "Nowak"}, {"001", "\xa3ukasz"}, {"010", "Adamski"}, {"002", "Adamski"}};
    t.selectedRow = 4;
    SortGridByColumn(t, 1, true); // Ł is byte 0xA3: after every ASCII letter
    EXPECT_EQ(accounts(t), (Column{"010", "002", "003", "001"}));
    EXPECT_EQ(t.rows[0], (Column{"Konto", "Nazwa"}));
    EXPECT_EQ(t.rows[t.selectedRow][0], "002"); // not the other Adamski
    SortGridByColumn(t, 1, false);
    EXPECT_EQ(accounts(t), (Column{"001", "003", "010", "002"}));
    EXPECT_EQ(t.rows[t.selectedRow][0], "002");
}

TEST(ListSearch, FindsByAccountInitialNameAndNipIgnoringLetterCaseButNotTheHeader)
{
    RowTable t;
    t.rows = {{"Konto", "Nazwa", "NIP"}, {"001", "Kowalski Jan", "123-456-78-90"},
              {"002", "nowak anna", "555-000-11-22"}, {"00a", "\xb3ukasz", "987-65-43-210"},
              {"004", "Nowak Piotr", "123-456-99-99"}, {"", "", ""}};
    EXPECT_EQ(FindRowByAccount(t, "00A"), 3);
    EXPECT_EQ(FindRowByAccount(t, "2"), -1);
    EXPECT_EQ(FindRowByAccount(t, "Konto"), -1);
    EXPECT_EQ(FindRowByInitial(t, 'N'), 2);
    EXPECT_EQ(FindRowByInitial(t, 'k'), 1);
    EXPECT_EQ(FindRowByInitial(t, 'L'), -1); // Ł is not L

    const struct { const char *name, *nip; int row; } searches[] = {
        {"  nowak ", "", 2}, {"", "1234567", 1}, {"", "456-99", 4}, {"kowalski", "555", -1},
        {"NOWAK", "12345", 4},                           // both patterns in the same row
        {"\xb3ukasz", "", 3},                            // upper-cased with the code page: Ł
        {"", "", -1}, {"   ", "- ", -1},                 // a NIP of dashes alone is no pattern either
    };
    for (const auto& s : searches)
        EXPECT_EQ(FindRowBySearch(t, s.name, s.nip), s.row) << s.name << "/" << s.nip;
}

} // namespace
