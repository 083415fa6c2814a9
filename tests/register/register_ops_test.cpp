#include "common/data_files.h"
#include "common/file_io.h"
#include "common/io_error.h"
#include "common/record_access.h"
#include "forms/cleared_record.h"
#include "forms/nip_record.h"
#include "register/register_ops.h"
#include "register/register_state.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

std::vector<unsigned char> blankRecords(std::uint32_t size, int count)
{
    std::vector<unsigned char> bytes(size * count, 0);
    for (int r = 0; r < count; ++r)
        ClearRecordBytes(Bytes(bytes).subspan(r * size, size));
    return bytes;
}

struct RegisterTest : ::testing::Test {
    TempDir dir;
    ScriptedMessages messages;

    void makeFile(int kind, int records)
    {
        writeBytes(dataFileName(kindAt(kind).baseName), blankRecords(kindAt(kind).recordSize, records));
    }
    // Saves the buffer as an in-use record of the given account.
    void save(int kind, const std::string& account, std::uint8_t formType = 1)
    {
        ClearRecord(kind);
        setStr(recordBuffer(kind), nip::account_no, account);
        if (kind == KindRejfor)
            setU8(recordBuffer(kind), nip::form_type, formType);
        ASSERT_TRUE(WriteRecord(kind));
    }
};

TEST_F(RegisterTest, FirstFreeAccountWalksFreeRecords)
{
    makeFile(KindVatr, 4);
    EXPECT_EQ(FirstFreeAccount(KindVatr, messages), 1);
    save(KindVatr, "001");
    EXPECT_EQ(FirstFreeAccount(KindVatr, messages), 2);
    save(KindVatr, "002");
    save(KindVatr, "003");
    EXPECT_EQ(FirstFreeAccount(KindVatr, messages), std::nullopt);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(RegisterTest, FirstFreeAccountReportsMissingFileAndIoErrors)
{
    EXPECT_EQ(FirstFreeAccount(KindVat21, messages), std::nullopt);
    makeFile(KindNipb, 4);
    ioFaults().failReadAfterBytes = 922 + 100;
    EXPECT_EQ(FirstFreeAccount(KindNipb, messages), std::nullopt);
    EXPECT_EQ(messages.texts(), (std::vector<std::string>{"Brak zbioru z danymi vat21.Rdx",
                                                           "Błąd we/wy nr 5 zbioru nipb.Rdx"}));
}

TEST_F(RegisterTest, CheckNewAccountMessages)
{
    makeFile(KindRejfor, 4);
    save(KindRejfor, "002");
    const struct {
        const char* typed;
        const char* message;
    } cases[] = {
        {"0", "Nr konta musi być liczbą dodatnią"},
        {"-5", "Nr konta musi być liczbą dodatnią"},
        {"4", "Za duży nr konta"},
        {"2", "Konto jest już w zbiorze"},
        {"", "'' to niepoprawny symbol konta"},
        {" 1a ", "'1a' to niepoprawny symbol konta"},
    };
    for (const auto& c : cases) {
        messages.shown.clear();
        EXPECT_FALSE(CheckNewAccount(KindRejfor, c.typed, messages)) << c.typed;
        EXPECT_EQ(messages.texts(), std::vector<std::string>{c.message}) << c.typed;
    }
}

TEST_F(RegisterTest, CheckNewAccountClaimsPaddedAccount)
{
    makeFile(KindVatz, 10);
    EXPECT_TRUE(CheckNewAccount(KindVatz, " 7 ", messages));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(registerState().currentAccount, "007");
    EXPECT_EQ(registerState().currentAccountNo, 7);
    EXPECT_EQ(getStr(recordBuffer(KindVatz), nip::account_no), "007");
}

TEST_F(RegisterTest, CheckNewAccountRejectsGapAndMissingFile)
{
    EXPECT_FALSE(CheckNewAccount(KindRejfor, "1", messages));
    makeFile(KindRejfor, 4);
    save(KindRejfor, "9");
    EXPECT_FALSE(CheckNewAccount(KindRejfor, "5", messages));
    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{"Brak zbioru z danymi REJFOR.Rdx", "Konto jest już w zbiorze"}));
}

TEST_F(RegisterTest, LoadForAccountKeepsOnlyMatchingAccountAndForm)
{
    makeFile(KindRejfor, 4);
    save(KindRejfor, "005", 2);
    LoadForAccount(KindRejfor, "005", 2);
    EXPECT_EQ(getStr(recordBuffer(KindRejfor), nip::account_no), "005");
    LoadForAccount(KindRejfor, "005", 1);
    EXPECT_EQ(getStr(recordBuffer(KindRejfor), nip::account_no), "    ");
    LoadForAccount(KindRejfor, "5", 2); // account texts compare byte for byte
    EXPECT_EQ(getStr(recordBuffer(KindRejfor), nip::account_no), "    ");
}

TEST_F(RegisterTest, WriteBeyondEndLeavesGapRecords)
{
    makeFile(KindVatr, 4);
    LoadForAccount(KindVatr, "57", 0);
    EXPECT_EQ(getStr(recordBuffer(KindVatr), nip::account_no), "    ");
    setStr(recordBuffer(KindVatr), nip::account_no, "57");
    ASSERT_TRUE(WriteRecord(KindVatr));
    const auto bytes = fileBytes("vatr.Rdx");
    ASSERT_EQ(bytes.size(), 58u * 957);
    for (std::size_t i = 4 * 957; i < 57 * 957; ++i)
        ASSERT_EQ(bytes[i], 0) << i;
    EXPECT_EQ(FirstFreeAccount(KindVatr, messages), 1);
}

TEST_F(RegisterTest, WriteChangesOnlyItsOwnRecord)
{
    makeFile(KindNipb, 6);
    auto before = fileBytes("nipb.Rdx");
    for (std::size_t i = 0; i < before.size(); ++i)
        before[i] = static_cast<unsigned char>(i * 7);
    writeBytes("nipb.Rdx", before);
    ClearRecord(KindNipb);
    setStr(recordBuffer(KindNipb), nip::account_no, "3");
    ASSERT_TRUE(WriteRecord(KindNipb));
    const auto after = fileBytes("nipb.Rdx");
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (i >= 3 * 922 && i < 4 * 922)
            ASSERT_EQ(after[i], recordBuffer(KindNipb)[i - 3 * 922]) << i;
        else
            ASSERT_EQ(after[i], before[i]) << i;
    }
}

TEST_F(RegisterTest, WriteOfNonPositiveAccountWritesNothing)
{
    makeFile(KindVatz, 4);
    const auto before = fileBytes("vatz.Rdx");
    ClearRecord(KindVatz);
    EXPECT_FALSE(WriteRecord(KindVatz));
    setStr(recordBuffer(KindVatz), nip::account_no, "0");
    EXPECT_FALSE(WriteRecord(KindVatz));
    EXPECT_EQ(fileBytes("vatz.Rdx"), before);
}

TEST_F(RegisterTest, FailedWriteThrows)
{
    makeFile(KindVatz, 4);
    ClearRecord(KindVatz);
    setStr(recordBuffer(KindVatz), nip::account_no, "2");
    ioFaults().failWriteAfterBytes = 0;
    ioFaults().failCode = IoError::DiskFull;
    try {
        WriteRecord(KindVatz);
        FAIL() << "no error";
    } catch (const IoError& e) {
        EXPECT_STREQ(e.what(), "Disk full");
    }
}

TEST_F(RegisterTest, CheckStoredAccount)
{
    makeFile(KindVatr, 4);
    save(KindVatr, "002");
    const struct {
        const char* account;
        bool found;
        const char* message;
    } cases[] = {
        {"0", false, "'0' to niepoprawny symbol konta"},
        {"1", false, "Brak w zbiorze konta 1"},
        {"4", false, "Za duży nr konta!"},
        {"002", true, nullptr},
    };
    for (const auto& c : cases) {
        messages.shown.clear();
        setCurrentAccount(c.account, 0);
        EXPECT_EQ(CheckStoredAccount(KindVatr, messages), c.found) << c.account;
        EXPECT_EQ(messages.texts(), c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{})
            << c.account;
    }
    EXPECT_EQ(registerState().currentAccountNo, 2);
    EXPECT_THROW(CheckStoredAccount(KindVat21, messages), IoError);
}

TEST_F(RegisterTest, KindNamesMatchInUpperCase)
{
    EXPECT_EQ(kindByName("vat21").index, KindVat21);
    EXPECT_EQ(kindByName("NipB").index, KindNipb);
    EXPECT_EQ(kindByName("VAT-Z").index, KindRejfor);
}

} // namespace

namespace {

TEST_F(RegisterTest, ScanVisitsEveryWholeRecordAfterTheFirst)
{
    makeFile(KindVatz, 4);
    for (int n = 1; n <= 600; n += 7)
        save(KindVatz, std::to_string(n)); // grows the file past one read block
    auto bytes = fileBytes("vatz.Rdx");
    bytes.resize(bytes.size() + 100); // a cut-off tail is no record
    writeBytes("vatz.Rdx", bytes);
    std::vector<std::uint64_t> seen;
    ScanRecords(KindVatz, [&](std::uint64_t index, ConstBytes rec) {
        if (getStr(rec, nip::account_no) == std::to_string(index))
            seen.push_back(index);
        ASSERT_EQ(rec.size(), 597u);
    });
    std::vector<std::uint64_t> expected;
    for (std::uint64_t n = 1; n <= 600; n += 7)
        expected.push_back(n);
    EXPECT_EQ(seen, expected);
}

} // namespace
