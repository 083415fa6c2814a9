#include "core/common/io_error.h"
#include "core/common/polish_letters.h"
#include "core/ledger/ledger_access.h"
#include "core/ledger/taxpayer_list.h"
#include "ledger_test_files.h"
#include "support/recorded_progress.h"
#include "support/scripted_messages.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

struct LedgerAccessTest : ::testing::Test {
    TempDir dir;
    ScriptedMessages messages;
};

// Every taxpayer's record, each under its own number as its account.
std::vector<std::uint64_t> scanned()
{
    std::vector<std::uint64_t> seen;
    ScanLedger([&](std::uint64_t index, ConstBytes record) {
        EXPECT_EQ(getStr(record, ledger::account_no), std::to_string(index));
        seen.push_back(index);
    });
    return seen;
}

TEST_F(LedgerAccessTest, ScanListsEveryTaxpayerButRecordZeroAcrossBlocks)
{
    // 600 records span three blocks of reading; a cut-off record ends the file.
    LedgerTestFile file(600);
    file.taxpayer(0, "0");
    std::vector<std::uint64_t> expected;
    for (std::uint64_t n = 1; n < 600; ++n)
        if (n % 7 != 0 && n != 256 && n != 257 && n != 599) { // the others are free
            file.taxpayer(n, std::to_string(n));
            expected.push_back(n);
        }
    file.save(ledger::kRecordSize - 1);
    EXPECT_EQ(scanned(), expected);
    EXPECT_EQ(getStr(currentTaxpayer(), ledger::account_no), kBlankAccount); // the last record read

    ioFaults().failReadAfterBytes = 300ull * ledger::kRecordSize;
    EXPECT_THROW(scanned(), IoError);
    ioFaults().failReadAfterBytes.reset();
    LedgerTestFile(1).save(100);
    EXPECT_TRUE(scanned().empty());
}

TEST_F(LedgerAccessTest, LookupReportsEachRefusalAndKeepsTheBuffer)
{
    LedgerTestFile file(5);
    file.taxpayer(0, "000");
    file.taxpayer(2, "002", {{ledger::surname, "NOWAK"}});
    file.save(ledger::kRecordSize / 2);
    ASSERT_TRUE(LookupLedgerAccount("002", messages));
    EXPECT_EQ(getStr(currentTaxpayer(), ledger::surname), "NOWAK");
    const std::pair<std::string, std::string> refusals[] = {
        {"0", "'0' to niepoprawny symbol konta"}, {"2 ", "'2 ' to niepoprawny symbol konta"},
        {cp("ą1"), "'ą1' to niepoprawny symbol konta"},
        {"5", "Za duży nr konta!"}, // the cut-off sixth record does not count
        {"$7FFFFFFF", "Za duży nr konta!"}, {"3", "Brak w zbiorze konta 3"},
    };
    for (const auto& [account, message] : refusals) {
        messages.shown.clear();
        EXPECT_FALSE(LookupLedgerAccount(account, messages)) << account;
        EXPECT_EQ(messages.texts(), Texts{message});
        EXPECT_EQ(getStr(currentTaxpayer(), ledger::surname), "NOWAK") << account;
    }
}

using Rows = std::vector<Texts>;

Rows load(ListProgress& progress)
{
    RowTable table;
    LoadTaxpayerList(table, progress);
    EXPECT_EQ(table.rows.front(), (Texts{"Konto", cp("Nazwisko i imię"), "NIP"}));
    return Rows(table.rows.begin() + 1, table.rows.end());
}

// Names leave the ledger's code page (here Mazovia); the progress counts
// from 1, one step for every taxpayer read.
TEST_F(LedgerAccessTest, TaxpayerListShowsTaxpayersButNotRecordZeroOrFreeRecordsAndNeedsTheLedger)
{
    RecordedProgress progress;
    SetLetterMode(2);
    LedgerTestFile file(6);
    file.taxpayer(0, "000", {{ledger::surname, "Zero"}});
    file.taxpayer(2, "002", {{ledger::surname, ToLedgerText(cp("Świątek"), 2)},
                             {ledger::first_name, ToLedgerText(cp("Łucja"), 2)}, {ledger::nip, "123-456-78-90"}});
    file.taxpayer(5, "5", {{ledger::surname, "Nowak"}});
    file.save();
    EXPECT_EQ(load(progress), (Rows{{"002", cp("Świątek Łucja"), "123-456-78-90"}, {"5", "Nowak ", ""}}));
    SetLetterMode(0);
    EXPECT_EQ(progress.maximum, 6u);
    EXPECT_EQ(progress.first, 1u);
    EXPECT_EQ(progress.moves, (std::vector<std::uint64_t>{3, 6}));

    // An empty ledger gives the header alone; a missing one is an error.
    LedgerTestFile(1).save();
    EXPECT_TRUE(load(progress).empty());
    std::filesystem::remove("konta200.Rdx");
    EXPECT_THROW(load(progress), IoError);
}

} // namespace
