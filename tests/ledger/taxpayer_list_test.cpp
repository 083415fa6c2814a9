#include "core/common/io_error.h"
#include "core/common/polish_letters.h"
#include "ledger/ledger_test_files.h"
#include "core/ledger/taxpayer_list.h"
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

// Names leave the ledger's code page (here Mazovia).
TEST_F(TaxpayerListTest, ListsTaxpayersButNotRecordZeroOrFreeRecordsAndNeedsTheLedger)
{
    SetLetterMode(2);
    LedgerTestFile file(6);
    setStr(file.taxpayer(0, "000"), ledger::surname, "Zero");
    Bytes kowalski = file.taxpayer(2, "002");
    setStr(kowalski, ledger::surname, ToLedgerText(cp("Świątek"), 2));
    setStr(kowalski, ledger::first_name, ToLedgerText(cp("Łucja"), 2));
    setStr(kowalski, ledger::nip, "123-456-78-90");
    setStr(file.taxpayer(5, "5"), ledger::surname, "Nowak");
    file.save();
    EXPECT_EQ(load(), (Rows{{"002", cp("Świątek Łucja"), "123-456-78-90"}, {"5", "Nowak ", ""}}));

    // An empty ledger gives the header alone; a missing one is an error.
    LedgerTestFile(1).save();
    EXPECT_TRUE(load().empty());
    LedgerTestFile(0).save();
    EXPECT_TRUE(load().empty());
    std::filesystem::remove("konta200.Rdx");
    EXPECT_THROW(load(), IoError);
}

} // namespace
