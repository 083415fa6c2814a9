#include "core/common/file_io.h"
#include "core/common/io_error.h"
#include "core/records/ledger_record.h"
#include "core/records/vat_records.h"
#include "register/record_files.h"
#include "core/register/register_ops.h"
#include "core/register/register_state.h"
#include "support/io_error_code.h"
#include "support/scripted_messages.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

struct RegisterTest : ::testing::Test {
    TempDir dir;
    ScriptedMessages messages;

    static void makeFile(int kind, int records) { RecordFileBuilder(kind, records).save(); }
    // Saves the buffer as an in-use record of the given account.
    static void save(int kind, const std::string& account, std::uint8_t formType = 1)
    {
        ClearRecord(kind);
        setStr(recordBuffer(kind), nip::account_no, account);
        if (kind == KindRejfor)
            setU8(recordBuffer(kind), nip::form_type, formType);
        ASSERT_TRUE(WriteRecord(kind));
    }
};

TEST_F(RegisterTest, FirstFreeAccountWalksFreeRecordsAndReportsFileErrors)
{
    makeFile(KindVatr, 4);
    EXPECT_EQ(FirstFreeAccount(KindVatr, messages), 1);
    save(KindVatr, "001");
    EXPECT_EQ(FirstFreeAccount(KindVatr, messages), 2);
    save(KindVatr, "002");
    save(KindVatr, "003");
    EXPECT_EQ(FirstFreeAccount(KindVatr, messages), std::nullopt);
    EXPECT_TRUE(messages.shown.empty());

    EXPECT_EQ(FirstFreeAccount(KindVat21, messages), std::nullopt);
    makeFile(KindNipb, 4);
    ioFaults().failReadAfterBytes = 922 + 100;
    EXPECT_EQ(FirstFreeAccount(KindNipb, messages), std::nullopt);
    EXPECT_EQ(messages.texts(), (Texts{"Brak zbioru z danymi vat21.Rdx", "Błąd we/wy nr 31 zbioru nipb.Rdx"}));
}

TEST_F(RegisterTest, CheckNewAccountRefusals)
{
    EXPECT_FALSE(CheckNewAccount(KindRejfor, "1", messages));
    EXPECT_EQ(messages.texts(), Texts{"Brak zbioru z danymi REJFOR.Rdx"});
    makeFile(KindRejfor, 4);
    save(KindRejfor, "002");
    const struct {
        const char* typed;
        const char* message;
    } cases[] = {
        {"0", "Nr konta musi być liczbą dodatnią"}, {"-5", "Nr konta musi być liczbą dodatnią"},
        {"4", "Za duży nr konta"}, // no ledger file: the record file's end is the limit
        {"2", "Konto jest już w zbiorze"}, {"", "'' to niepoprawny symbol konta"},
        {" 1a ", "'1a' to niepoprawny symbol konta"},
    };
    for (const auto& c : cases) {
        messages.shown.clear();
        EXPECT_FALSE(CheckNewAccount(KindRejfor, c.typed, messages)) << c.typed;
        EXPECT_EQ(messages.texts(), Texts{c.message}) << c.typed;
    }
}

TEST_F(RegisterTest, CheckNewAccountReachesEveryTaxpayerOfTheLedgerAndClaimsThePaddedAccount)
{
    // VAT-21 and VAT-Z records come into being only through "nowy": an office
    // must be able to number them past the four records of a new file.
    makeFile(KindVat21, 4);
    writeBytes("konta200.Rdx", std::vector<unsigned char>(12 * ledger::kRecordSize, 0x55));
    const struct {
        const char* typed;
        const char* message; // nullptr: accepted
    } cases[] = {
        {"4", nullptr}, {"011", nullptr}, {"12", "Za duży nr konta"}, {"0", "Nr konta musi być liczbą dodatnią"}};
    for (const auto& c : cases) {
        messages.shown.clear();
        EXPECT_EQ(CheckNewAccount(KindVat21, c.typed, messages), c.message == nullptr) << c.typed;
        EXPECT_EQ(messages.texts(), c.message ? Texts{c.message} : Texts{}) << c.typed;
    }

    // The claimed record is a free record under the new account; saving it
    // grows the file, and the records in between become gaps.
    messages.shown.clear();
    ASSERT_TRUE(CheckNewAccount(KindVat21, " 9 ", messages));
    EXPECT_TRUE(messages.shown.empty());
    std::vector<unsigned char> expected(vat21::kRecordSize);
    ClearRecordBytes(expected);
    setStr(expected, nip::account_no, "009");
    EXPECT_TRUE(std::ranges::equal(recordBuffer(KindVat21), expected));
    EXPECT_EQ(registerState().currentAccount, "009");
    EXPECT_EQ(registerState().currentAccountNo, 9);
    ASSERT_TRUE(WriteRecord(KindVat21));

    // A gap is free, and the file's size still counts where the ledger is shorter.
    EXPECT_TRUE(CheckNewAccount(KindVat21, "5", messages));
    EXPECT_EQ(getStr(recordBuffer(KindVat21), nip::account_no), "005");
    writeBytes("konta200.Rdx", std::vector<unsigned char>(3 * ledger::kRecordSize, 0));
    EXPECT_TRUE(CheckNewAccount(KindVat21, "6", messages));
    messages.shown.clear();
    EXPECT_FALSE(CheckNewAccount(KindVat21, "10", messages));
    EXPECT_EQ(messages.texts(), Texts{"Za duży nr konta"});
}

TEST_F(RegisterTest, LoadForAccountKeepsOnlyMatchingAccountAndForm)
{
    makeFile(KindRejfor, 4);
    save(KindRejfor, "005", 2);
    LoadForAccount(KindRejfor, "005", 2);
    EXPECT_EQ(getStr(recordBuffer(KindRejfor), nip::account_no), "005");
    LoadForAccount(KindRejfor, "005", 1);
    EXPECT_EQ(getStr(recordBuffer(KindRejfor), nip::account_no), "    ");
    LoadForAccount(KindRejfor, "005", 2);
    LoadForAccount(KindRejfor, "5", 2); // account texts compare byte for byte
    EXPECT_EQ(getStr(recordBuffer(KindRejfor), nip::account_no), "    ");
}

TEST_F(RegisterTest, WriteBeyondEndLeavesGapRecords)
{
    makeFile(KindVatr, 4);
    LoadForAccount(KindVatr, "57", 0); // past the end: an empty record
    EXPECT_EQ(getStr(recordBuffer(KindVatr), nip::account_no), "    ");
    setStr(recordBuffer(KindVatr), nip::account_no, "57");
    ASSERT_TRUE(WriteRecord(KindVatr));
    const auto bytes = fileBytes("vatr.Rdx");
    ASSERT_EQ(bytes.size(), 58u * 957);
    EXPECT_TRUE(std::all_of(bytes.begin() + 4 * 957, bytes.begin() + 57 * 957, [](auto b) { return b == 0; }));
    EXPECT_EQ(FirstFreeAccount(KindVatr, messages), 1);
}

// Every byte outside the saved record stays as it was: after a save, after
// a refused one, and after a failed write past the end over gap records.
TEST_F(RegisterTest, WriteChangesOnlyItsOwnRecordAndFailsCleanly)
{
    std::vector<unsigned char> before(6 * 922);
    for (std::size_t i = 0; i < before.size(); ++i)
        before[i] = static_cast<unsigned char>(i * 7);
    writeBytes("nipb.Rdx", before);
    ClearRecord(KindNipb);
    EXPECT_FALSE(WriteRecord(KindNipb));
    setStr(recordBuffer(KindNipb), nip::account_no, "0");
    EXPECT_FALSE(WriteRecord(KindNipb));
    EXPECT_EQ(fileBytes("nipb.Rdx"), before);

    setStr(recordBuffer(KindNipb), nip::account_no, "3");
    ASSERT_TRUE(WriteRecord(KindNipb));
    std::ranges::copy(recordBuffer(KindNipb), before.begin() + 3 * 922);
    EXPECT_EQ(fileBytes("nipb.Rdx"), before);

    setStr(recordBuffer(KindNipb), nip::account_no, "9");
    ioFaults().failWriteAfterBytes = 921;
    ioFaults().failCode = IoError::DiskFull;
    EXPECT_EQ(ioErrorCode([] { WriteRecord(KindNipb); }), IoError::DiskFull);
    EXPECT_EQ(fileBytes("nipb.Rdx"), before);
    resetIoFaults();

    // A file on a read-only medium is read, and a save is refused.
    ioFaults().readOnlyPath = "nipb.Rdx";
    EXPECT_EQ(recordCount(KindNipb), 6u);
    LoadForAccount(KindNipb, "    ", 0);
    for (const char* account : {"2", "7"}) {
        setStr(recordBuffer(KindNipb), nip::account_no, account);
        try {
            WriteRecord(KindNipb);
            ADD_FAILURE() << "saved";
        } catch (const IoError& e) {
            EXPECT_EQ(std::string(e.what()), "File access denied: nipb.Rdx");
        }
    }
    EXPECT_EQ(fileBytes("nipb.Rdx"), before);
}

TEST_F(RegisterTest, CheckStoredAccount)
{
    makeFile(KindVatr, 4);
    save(KindVatr, "002");
    const struct {
        const char* account;
        bool found;
        Texts messages;
    } cases[] = {
        {"0", false, {"'0' to niepoprawny symbol konta"}}, {"1", false, {"Brak w zbiorze konta 1"}},
        {"4", false, {"Za duży nr konta!"}}, {"002", true, {}},
    };
    for (const auto& c : cases) {
        messages.shown.clear();
        setCurrentAccount(c.account, 0);
        EXPECT_EQ(CheckStoredAccount(KindVatr, messages), c.found) << c.account;
        EXPECT_EQ(messages.texts(), c.messages) << c.account;
    }
    EXPECT_EQ(registerState().currentAccountNo, 2);
    EXPECT_THROW(CheckStoredAccount(KindVat21, messages), IoError);
}

} // namespace
