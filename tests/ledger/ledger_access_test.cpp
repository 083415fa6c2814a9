#include "core/common/io_error.h"
#include "core/ledger/ledger_access.h"
#include "ledger_test_files.h"
#include "support/scripted_messages.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

struct LedgerAccessTest : ::testing::Test {
    TempDir dir;
    ScriptedMessages messages;

    static std::vector<std::uint64_t> scanned()
    {
        std::vector<std::uint64_t> seen;
        ScanLedger([&](std::uint64_t index, ConstBytes record) {
            EXPECT_EQ(getStr(record, ledger::account_no), std::to_string(index));
            seen.push_back(index);
        });
        return seen;
    }
};

TEST_F(LedgerAccessTest, ScanListsEveryTaxpayerButRecordZeroAcrossBlocks)
{
    // 600 records span three blocks of reading; a cut-off record ends the file.
    LedgerTestFile file(600);
    file.taxpayer(0, "0");
    std::vector<std::uint64_t> expected;
    for (int n = 1; n < 600; ++n) {
        if (n % 7 == 0 || n == 256 || n == 257 || n == 599)
            continue; // free
        file.taxpayer(n, std::to_string(n));
        expected.push_back(static_cast<std::uint64_t>(n));
    }
    file.save(ledger::kRecordSize - 1);
    EXPECT_EQ(scanned(), expected);
    // The current-taxpayer buffer ends with the last record read.
    EXPECT_EQ(getStr(currentTaxpayer(), ledger::account_no), kBlankAccount);

    ioFaults().failReadAfterBytes = 300ull * ledger::kRecordSize;
    EXPECT_THROW(scanned(), IoError);
    ioFaults().failReadAfterBytes.reset();
    LedgerTestFile(1).save(100);
    EXPECT_TRUE(scanned().empty());
    EXPECT_EQ(OpenLedger().recordCount(), 1u);
    std::filesystem::remove("konta200.Rdx");
    EXPECT_THROW(scanned(), IoError);
}

TEST_F(LedgerAccessTest, LookupReportsEachRefusalAndKeepsTheBuffer)
{
    LedgerTestFile file(5);
    file.taxpayer(0, "000");
    setStr(file.taxpayer(2, "002"), ledger::surname, "NOWAK");
    file.save(ledger::kRecordSize / 2);
    ASSERT_TRUE(LookupLedgerAccount("002", messages));
    EXPECT_EQ(getStr(currentTaxpayer(), ledger::surname), "NOWAK");

    const struct {
        std::string account;
        std::string message;
    } refusals[] = {
        {"0", "'0' to niepoprawny symbol konta"},
        {"2 ", "'2 ' to niepoprawny symbol konta"},
        {cp("ą1"), "'ą1' to niepoprawny symbol konta"},
        {"5", "Za duży nr konta!"}, // the cut-off sixth record does not count
        {"$7FFFFFFF", "Za duży nr konta!"},
        {"3", "Brak w zbiorze konta 3"},
    };
    for (const auto& r : refusals) {
        messages.shown.clear();
        EXPECT_FALSE(LookupLedgerAccount(r.account, messages)) << r.account;
        EXPECT_EQ(messages.texts(), Texts{r.message});
        EXPECT_EQ(getStr(currentTaxpayer(), ledger::surname), "NOWAK") << r.account;
    }
}

TEST_F(LedgerAccessTest, TaxOfficeNameIsEmptyOutsideTheOfficeFile)
{
    EXPECT_EQ(TaxOfficeName(1), ""); // no office file
    writeOffices({"US Kielce", "US Radom"});
    EXPECT_EQ(TaxOfficeName(0), "");
    EXPECT_EQ(TaxOfficeName(2), "US Radom");
    EXPECT_EQ(TaxOfficeName(3), "");
    EXPECT_EQ(TaxOfficeName(-1), "");
}

} // namespace
