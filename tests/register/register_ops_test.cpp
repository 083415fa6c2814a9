#include "core/common/cp1250.h"
#include "core/common/file_io.h"
#include "core/common/io_error.h"
#include "core/records/ledger_record.h"
#include "core/records/vat_records.h"
#include "core/register/record_list.h"
#include "core/register/register_ops.h"
#include "core/register/register_state.h"
#include "register/record_files.h"
#include "support/recorded_progress.h"
#include "support/scripted_messages.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Texts = std::vector<std::string>;
using Rows = std::vector<Texts>;

struct RegisterTest : ::testing::Test {
    TempDir dir;
    ScriptedMessages messages;
    RecordedProgress progress;

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
    // Each refusal of `check` with the one message it shows.
    template <class Check>
    void expectRefusals(Check check, std::initializer_list<std::pair<const char*, const char*>> refusals)
    {
        for (const auto& [typed, message] : refusals) {
            messages.shown.clear();
            EXPECT_FALSE(check(typed)) << typed;
            EXPECT_EQ(messages.texts(), Texts{message}) << typed;
        }
    }
    // The rows of the record list, under its header.
    Rows load(int kind, std::uint8_t formType = 1)
    {
        RowTable table;
        LoadRecordList(table, kind, formType, progress);
        EXPECT_EQ(table.rows.front(), (Texts{"Konto", "Nazwa", "NIP"}));
        EXPECT_EQ(table.selectedRow, -1);
        return Rows(table.rows.begin() + 1, table.rows.end());
    }
};

TEST_F(RegisterTest, FirstFreeAccountWalksFreeRecordsAfterRecordZero)
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

// VAT-21 and VAT-Z records come into being only through "nowy": an office
// must be able to number them past the four records of a new file, up to
// the ledger's taxpayers.
TEST_F(RegisterTest, CheckNewAccountRefusesOrClaimsThePaddedAccountUpToTheLedgersEnd)
{
    const auto rejfor = [this](const char* typed) { return CheckNewAccount(KindRejfor, typed, messages); };
    expectRefusals(rejfor, {{"1", "Brak zbioru z danymi REJFOR.Rdx"}});
    makeFile(KindRejfor, 4);
    save(KindRejfor, "002");
    expectRefusals(rejfor, {
        {"0", "Nr konta musi być liczbą dodatnią"}, {"-5", "Nr konta musi być liczbą dodatnią"},
        {"4", "Za duży nr konta"}, // no ledger file: the record file's end is the limit
        {"2", "Konto jest już w zbiorze"}, {"", "'' to niepoprawny symbol konta"},
        {" 1a ", "'1a' to niepoprawny symbol konta"},
    });

    makeFile(KindVat21, 4);
    writeBytes("konta200.Rdx", std::vector<unsigned char>(12 * ledger::kRecordSize, 0x55));
    const auto check = [this](const char* typed) { return CheckNewAccount(KindVat21, typed, messages); };
    EXPECT_TRUE(check("4"));
    EXPECT_TRUE(check("011"));
    expectRefusals(check, {{"12", "Za duży nr konta"}});

    // The claimed record is a cleared one: every byte zero but the account,
    // a short string at offset 0 written over the blank account "    ".
    messages.shown.clear();
    ASSERT_TRUE(check(" 9 "));
    EXPECT_TRUE(messages.shown.empty());
    std::vector<unsigned char> expected(vat21::kRecordSize, 0);
    std::ranges::copy(std::string("\x03" "009 "), expected.begin());
    EXPECT_TRUE(std::ranges::equal(recordBuffer(KindVat21), expected));
    EXPECT_EQ(registerState().currentAccount, "009");
    EXPECT_EQ(registerState().currentAccountNo, 9);
    ASSERT_TRUE(WriteRecord(KindVat21));

    // The records the save skipped are gaps, and a gap is free; the file's
    // size still counts where the ledger is shorter.
    EXPECT_TRUE(check("5"));
    EXPECT_EQ(getStr(recordBuffer(KindVat21), nip::account_no), "005");
    writeBytes("konta200.Rdx", std::vector<unsigned char>(3 * ledger::kRecordSize, 0));
    EXPECT_TRUE(check("6"));
    expectRefusals(check, {{"10", "Za duży nr konta"}});
}

// Account texts compare byte for byte; past the end is an empty record.
TEST_F(RegisterTest, LoadForAccountKeepsOnlyMatchingAccountAndForm)
{
    makeFile(KindRejfor, 4);
    save(KindRejfor, "005", 2);
    for (const auto& [account, formType, loaded] : {std::tuple{"005", 2, "005"}, {"005", 1, "    "}, {"005", 2, "005"},
                                                    {"5", 2, "    "}, {"005", 2, "005"}, {"57", 0, "    "}}) {
        LoadForAccount(KindRejfor, account, static_cast<std::uint8_t>(formType));
        EXPECT_EQ(getStr(recordBuffer(KindRejfor), nip::account_no), loaded) << account << '/' << formType;
    }
}

// A record goes to the offset its account number gives, over a file that
// starts with a pattern; a save past the end leaves gap records of zeros.
// A blank or zero account writes nothing.
TEST_F(RegisterTest, WriteGoesToItsAccountsRecordOnly)
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

    for (const std::size_t account : {3, 9}) {
        setStr(recordBuffer(KindNipb), nip::account_no, std::to_string(account));
        ASSERT_TRUE(WriteRecord(KindNipb));
        before.resize(std::max(before.size(), (account + 1) * 922), 0);
        std::ranges::copy(recordBuffer(KindNipb), before.begin() + account * 922);
        EXPECT_EQ(fileBytes("nipb.Rdx"), before) << account;
    }
}

// NIP forms list only their own type; each kind shows its name and NIP.
TEST_F(RegisterTest, ListsShowEachKindsNameAndNip)
{
    RecordFileBuilder file(KindRejfor, 8);
    file.inUse(1, "001", 1, {{nip::full_name, "Firma Jana"}, {nip::nip, "1234567890"}});
    file.inUse(2, "002", 1, {{nip::surname, "Kowalski"}, {nip::first_name, "Jan"}});
    file.inUse(3, "003", 2, {{nip::nip, "1234567890"}});
    const std::string zak = cp1250::fromUtf8("Żak");
    file.inUse(4, "004", 3, {{nip::full_name, "not shown for NIP-3"}, {nip::surname, zak}, {nip::first_name, "Ewa"}});
    file.inUse(5, "005"); // in use but never saved as a form: type 0
    file.record(9);       // records 8 and 9: gaps
    file.save();

    EXPECT_EQ(load(KindRejfor, 1), (Rows{{"001", "Firma Jana", "123-456-78-90"}, {"002", "Kowalski Jan", ""}}));
    EXPECT_EQ(load(KindRejfor, 2), (Rows{{"003", "", "123-45-67-890"}})); // no full name: empty
    EXPECT_EQ(load(KindRejfor, 3), (Rows{{"004", cp1250::fromUtf8("Żak Ewa"), ""}}));

    const struct { int kind; Field name, nip; const char* storedNip; Texts row; } cases[] = {
        {KindVatr, vatr::name, vatr::nip, "PL1234567890", {"001", "Alfa", "PL123-456-78-90"}},
        {KindVatz, vatz::name, vatz::nip, "1234567890", {"001", "Alfa", "123-456-78-90"}},
        {KindVat21, vat21::name, vat21::nip, "1234567890", {"001", "Alfa", "123-456-78-90"}},
        {KindNipb, nipb::name, nipb::nip, "123-45-67-890", {"001", "Alfa Jan", "123-45-67-890"}},
    };
    for (const auto& c : cases) {
        RecordFileBuilder file(c.kind, 4);
        const Bytes rec = file.inUse(1, "001", 0, {{c.name, "Alfa"}, {c.nip, c.storedNip}});
        if (c.kind == KindNipb)
            setStr(rec, nipb::first_name, "Jan");
        file.save();
        EXPECT_EQ(load(c.kind), Rows{c.row}) << c.kind;
    }
}

// The file is read in blocks; a cut-off tail is no record, and a read
// error keeps the rows read before it. The progress moves a tenth of the
// file at a time.
TEST_F(RegisterTest, ListReadsEveryWholeRecordAcrossBlocks)
{
    EXPECT_THROW(load(KindNipb), IoError); // no file
    RecordFileBuilder file(KindVatr, 3000);
    for (int n = 1; n < 3000; ++n)
        file.inUse(n, std::to_string(n));
    file.save(900);
    const Rows rows = load(KindVatr);
    ASSERT_EQ(rows.size(), 2999u);
    for (std::size_t r = 0; r < rows.size(); ++r)
        ASSERT_EQ(rows[r][0], std::to_string(r + 1));
    EXPECT_EQ(progress.maximum, 3000u);
    EXPECT_EQ(progress.first, 0u);
    EXPECT_EQ(progress.moves, (std::vector<std::uint64_t>{300, 600, 900, 1200, 1500, 1800, 2100, 2400, 2700}));

    ioFaults().failReadAfterBytes = 2'000'000; // within the second block read
    RowTable table;
    EXPECT_THROW(LoadRecordList(table, KindVatr, 1, progress), IoError);
    EXPECT_GT(table.rows.size(), 1000u);
    EXPECT_LT(table.rows.size(), 3000u);
}

} // namespace
