#include "common/io_error.h"
#include "common/polish_letters.h"
#include "ledger/ledger_test_files.h"
#include "ledger/taxpayer_list.h"
#include "support/recorded_progress.h"

#include <gtest/gtest.h>

namespace {

using Rows = std::vector<std::vector<std::string>>;

struct TaxpayerListTest : ::testing::Test {
    TempDir dir;
    RecordedProgress progress;

    void TearDown() override { SetLetterMode(0); }

    Rows load()
    {
        RowTable table;
        LoadTaxpayerList(table, progress);
        EXPECT_EQ(table.rows.front(), (std::vector<std::string>{"Konto", cp("Nazwisko i imię"), "NIP"}));
        return Rows(table.rows.begin() + 1, table.rows.end());
    }
};

TEST_F(TaxpayerListTest, ListsTaxpayersButNotRecordZeroOrFreeRecords)
{
    LedgerTestFile file(6);
    setStr(file.taxpayer(0, "000"), ledger::surname, "Zero");
    Bytes kowalski = file.taxpayer(2, "002");
    setStr(kowalski, ledger::surname, "Kowalski");
    setStr(kowalski, ledger::first_name, "Jan");
    setStr(kowalski, ledger::nip, "123-456-78-90");
    setStr(file.taxpayer(5, "5"), ledger::surname, "Nowak");
    file.save();

    EXPECT_EQ(load(), (Rows{{"002", "Kowalski Jan", "123-456-78-90"}, {"5", "Nowak ", ""}}));
    EXPECT_EQ(progress.maximum, 6u);
    EXPECT_EQ(progress.first, 1u);
    EXPECT_EQ(progress.moves, (std::vector<std::uint64_t>{3, 6})); // one per record read, free ones included
}

TEST_F(TaxpayerListTest, NamesLeaveTheLedgerCodePage)
{
    SetLetterMode(2);
    LedgerTestFile file(2);
    Bytes t = file.taxpayer(1, "001");
    setStr(t, ledger::surname, ToLedgerText(cp("Świątek"), 2));
    setStr(t, ledger::first_name, ToLedgerText(cp("Łucja"), 2));
    file.save();
    EXPECT_EQ(load(), (Rows{{"001", cp("Świątek Łucja"), ""}}));
}

TEST_F(TaxpayerListTest, EmptyLedgerGivesTheHeaderAlone)
{
    LedgerTestFile(1).save();
    EXPECT_TRUE(load().empty());
    LedgerTestFile(0).save();
    EXPECT_TRUE(load().empty());
    std::filesystem::remove("konta200.Rdx");
    EXPECT_THROW(load(), IoError);
}

} // namespace
