#include "common/file_io.h"
#include "common/io_error.h"
#include "ledger/ledger_access.h"
#include "ledger_test_files.h"
#include "support/scripted_messages.h"

#include <gtest/gtest.h>


namespace {

struct LedgerAccessTest : ::testing::Test {
    TempDir dir;
    ScriptedMessages messages;

    std::vector<std::uint64_t> scanned()
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
}

TEST_F(LedgerAccessTest, ScanOfEmptyOrHeaderOnlyFileListsNothing)
{
    LedgerTestFile(0).save(100);
    EXPECT_TRUE(scanned().empty());
    LedgerTestFile header(1);
    header.taxpayer(0, "0");
    header.save();
    EXPECT_TRUE(scanned().empty());
}

TEST_F(LedgerAccessTest, ScanRaisesFileErrors)
{
    try {
        scanned();
        FAIL() << "a missing ledger file must raise";
    } catch (const IoError& e) {
        EXPECT_EQ(e.code(), IoError::FileNotFound);
    }
    LedgerTestFile file(600);
    for (int n = 1; n < 600; ++n)
        file.taxpayer(n, std::to_string(n));
    file.save();
    ioFaults().failReadAfterBytes = 300ull * ledger::kRecordSize;
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
        EXPECT_EQ(messages.texts(), std::vector<std::string>{r.message});
        EXPECT_EQ(getStr(currentTaxpayer(), ledger::surname), "NOWAK") << r.account;
    }
}

TEST_F(LedgerAccessTest, LedgerAccountGuardAcceptsOnlyAccountsInsideTheLedger)
{
    LedgerTestFile(5).save();
    EXPECT_TRUE(CheckLedgerAccount("004", messages));
    EXPECT_TRUE(messages.shown.empty());
    const struct {
        std::string account;
        std::string message;
    } refusals[] = {
        {"5", "Konto 5 jest poza zbiorem podatników. Zgłoszenie nie zostanie zapisane."},
        {"99999999", "Konto 99999999 jest poza zbiorem podatników. Zgłoszenie nie zostanie zapisane."},
        {"$7FFFFFF", "Konto $7FFFFFF jest poza zbiorem podatników. Zgłoszenie nie zostanie zapisane."},
        {"    ", "'    ' to niepoprawny symbol konta"},
    };
    for (const auto& r : refusals) {
        messages.shown.clear();
        EXPECT_FALSE(CheckLedgerAccount(r.account, messages)) << r.account;
        EXPECT_EQ(messages.texts(), std::vector<std::string>{r.message});
    }
}

TEST_F(LedgerAccessTest, TaxOfficeNameIsEmptyOutsideTheOfficeFile)
{
    EXPECT_EQ(TaxOfficeName(1), ""); // no office file
    writeOffices({"US Kielce", "US Radom"});
    EXPECT_EQ(TaxOfficeName(0), "");
    EXPECT_EQ(TaxOfficeName(1), "US Kielce");
    EXPECT_EQ(TaxOfficeName(2), "US Radom");
    EXPECT_EQ(TaxOfficeName(3), "");
    EXPECT_EQ(TaxOfficeName(-1), "");
}

TEST_F(LedgerAccessTest, OpenAndCloseLedgerCountWholeRecords)
{
    LedgerTestFile(3).save(10);
    LedgerFile file = OpenLedger();
    EXPECT_EQ(file.recordCount(), 3u);
    std::vector<std::uint8_t> record(ledger::kRecordSize);
    EXPECT_THROW(file.readRecord(3, record), IoError);
    CloseLedger(file);
    EXPECT_EQ(file.recordCount(), 0u);
}

} // namespace
