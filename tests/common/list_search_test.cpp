#include "core/common/list_search.h"

#include <gtest/gtest.h>

namespace {

RowTable list()
{
    RowTable t;
    t.rows = {
        {"Konto", "Nazwa", "NIP"},
        {"001", "Kowalski Jan", "123-456-78-90"},
        {"002", "nowak anna", "555-000-11-22"},
        {"00a", "\xb3ukasz Sp. z o.o.", "987-65-43-210"}, // łukasz
        {"004", "Nowak Piotr", "123-456-99-99"},
        {"", "", ""},
    };
    return t;
}

TEST(ListSearch, AccountAndInitialIgnoreLetterCaseButNotTheHeader)
{
    const RowTable t = list();
    EXPECT_EQ(FindRowByAccount(t, "00A"), 3);
    EXPECT_EQ(FindRowByAccount(t, "2"), -1);
    EXPECT_EQ(FindRowByAccount(t, "Konto"), -1);
    EXPECT_EQ(FindRowByInitial(t, 'N'), 2);
    EXPECT_EQ(FindRowByInitial(t, 'k'), 1);
    EXPECT_EQ(FindRowByInitial(t, 'L'), -1); // Ł is not L
    EXPECT_EQ(Trimmed("  7 \t"), "7");
}

TEST(ListSearch, SearchByNameNipOrBoth)
{
    const RowTable t = list();
    const struct {
        const char* name;
        const char* nip;
        int row;
    } cases[] = {
        {"  nowak ", "", 2},
        {"", "1234567", 1},
        {"", "456-99", 4},
        {"NOWAK", "12345", 4},  // both patterns in the same row
        {"kowalski", "555", -1},
        {"\xb3ukasz", "", 3},   // upper-cased with the code page: Ł
        {"", "", -1},
        {"   ", "- ", -1},      // a NIP of dashes alone is no pattern either
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindRowBySearch(t, c.name, c.nip), c.row) << c.name << "/" << c.nip;
}

} // namespace
