#include "core/common/app_state.h"
#include "core/records/ledger_params.h"
#include "core/app/office_identity.h"
#include "core/app/startup.h"
#include "core/common/file_io.h"
#include "core/common/io_error.h"
#include "core/common/polish_letters.h"
#include "core/common/real6.h"
#include "core/common/record_access.h"
#include "core/records/cleared_record.h"
#include "register/record_files.h"
#include "core/register/register_ops.h"
#include "core/register/register_state.h"
#include "support/io_error_code.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

const char* const kRatesMissing = "Brak zbioru ze stawkami ryczałtu. Proszę założyć!";
const char* const kRatesDamaged = "Niepoprawne stawki ryczałtu. Proszę zaktualizowac!";

struct StartupTest : ::testing::Test {
    StartupTest() { startupNotices() = {}; } // a new run of the program
    TempDir dir;
    ScriptedMessages messages;
};

TEST_F(StartupTest, EmptyDirectoryGetsEveryFile)
{
    inic(messages);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{kRatesMissing});
    EXPECT_TRUE(fs::exists("ulgrycz.Rdx"));
    EXPECT_EQ(fs::file_size("ulgrycz.Rdx"), 0u);
    EXPECT_FALSE(fs::exists("strycz.Rdx"));

    const auto bank = fileBytes("Bank.Rdx");
    ASSERT_EQ(bank.size(), 416u);
    EXPECT_EQ(getU16(bank, ledger_params::year), 2003);
    EXPECT_EQ(getU8(bank, ledger_params::month), 1);
    EXPECT_EQ(std::count(bank.begin(), bank.end(), 0), 416 - 3); // year 2003 = D3 07, month 01

    const struct {
        const char* name;
        std::uintmax_t size;
    } files[] = {{"REJFOR.Rdx", 19432}, {"vatr.Rdx", 3828}, {"vatz.Rdx", 2388}, {"vat21.Rdx", 6496}, {"nipb.Rdx", 3688}};
    for (const auto& f : files) {
        const auto bytes = fileBytes(f.name);
        ASSERT_EQ(bytes.size(), f.size) << f.name;
        const std::size_t recordSize = f.size / 4;
        std::vector<unsigned char> blank(recordSize);
        ClearRecordBytes(blank);
        for (int r = 0; r < 4; ++r)
            EXPECT_TRUE(std::equal(blank.begin(), blank.end(), bytes.begin() + r * recordSize)) << f.name << r;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 7);

    // Every activation makes a deleted file anew; the missing rates were
    // reported once for the whole run of the program.
    fs::remove("vat21.Rdx");
    inic(messages);
    inic(messages);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{kRatesMissing});
    EXPECT_EQ(fs::file_size("vat21.Rdx"), 6496u);
}

TEST_F(StartupTest, ReadOnlyDamagedRatesDoNotStopTheStartUp)
{
    const std::vector<unsigned char> damaged(20, 0x55);
    writeBytes("strycz.Rdx", damaged);
    ioFaults().readOnlyPath = "strycz.Rdx";
    for (int activation = 0; activation < 3; ++activation)
        inic(messages);
    const std::vector<ScriptedMessages::Shown> reported = {
        {"inform", kRatesDamaged, ""},
        {"error", "File access denied: strycz.Rdx", ""},
    };
    EXPECT_EQ(messages.shown, reported);
    EXPECT_EQ(appState().rates, (std::array<double, 6>{3.0, 5.5, 8.5, 0, 0, 0}));
    EXPECT_EQ(fileBytes("strycz.Rdx"), damaged);
    for (const char* name : {"REJFOR.Rdx", "vatr.Rdx", "vatz.Rdx", "vat21.Rdx", "nipb.Rdx"})
        EXPECT_TRUE(fs::exists(name)) << name;
}

TEST_F(StartupTest, RatesFileIsReadRepairedOrTakenAsZeros)
{
    std::vector<unsigned char> stored(36, 0);
    DoubleToReal6(17.0, stored.data() + 6);
    struct Case {
        const char* what;
        std::vector<unsigned char> content;
        std::vector<std::string> messages;
        std::array<double, 6> rates;
        std::uintmax_t sizeAfter;
    };
    const Case cases[] = {
        {"short: repaired", std::vector<unsigned char>(20, 0x55), {kRatesDamaged}, {3.0, 5.5, 8.5, 0, 0, 0}, 36},
        {"empty: zeros, silently", {}, {}, {}, 0},
        {"whole: read", stored, {}, {0, 17.0, 0, 0, 0, 0}, 36},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes("strycz.Rdx", c.content);
        appState().rates.fill(1.0);
        messages = {};
        inic(messages);
        EXPECT_EQ(messages.texts(), c.messages);
        EXPECT_EQ(appState().rates, c.rates);
        const auto rates = fileBytes("strycz.Rdx");
        ASSERT_EQ(rates.size(), c.sizeAfter);
        for (std::size_t i = 0; i < rates.size() / 6; ++i)
            EXPECT_EQ(Real6ToDouble(rates.data() + 6 * i), c.rates[i]);
    }
}

TEST_F(StartupTest, EmptyBankFileStopsTheRun)
{
    writeBytes("Bank.Rdx", {});
    EXPECT_EQ(ioErrorCode([&] { inic(messages); }), IoError::ReadBeyondEnd);
    EXPECT_FALSE(fs::exists("REJFOR.Rdx"));
    EXPECT_FALSE(fs::exists("nipb.Rdx"));
}

TEST_F(StartupTest, AFailedCreationRemovesOnlyWhatThisStartMade)
{
    // A record file linked to a share that is not mounted: the link stays
    // and the message names the file.
    fs::create_symlink("share/REJFOR.Rdx", "REJFOR.Rdx");
    try {
        inic(messages);
        ADD_FAILURE() << "no error";
    } catch (const IoError& e) {
        EXPECT_EQ(e.code(), IoError::FileNotFound);
        EXPECT_EQ(std::string(e.what()), "File not found: REJFOR.Rdx");
    }
    EXPECT_TRUE(fs::is_symlink("REJFOR.Rdx"));
}

TEST_F(StartupTest, LetterModeAndOfficeIdentityComeFromTheirFiles)
{
    std::vector<unsigned char> bank(416, 0);
    bank[116] = 2;
    writeBytes("Bank.Rdx", bank);
    const std::string longLine = "Biuro Rachunkowe \xA3\xB9ka 0123456789 0123456789 0123456789";
    writeTextFile("biuro.Rdx", longLine + "\r\nSp. z o.o.\r\nul. Polna 1\n");
    inic(messages);
    EXPECT_EQ(LedgerText("\x9e"), "\x9c"); // Mazovia ś to code page 1250 ś
    const auto& lines = appState().officeLines;
    EXPECT_EQ(lines[0], longLine.substr(0, 40));
    EXPECT_EQ(lines[1], "Sp. z o.o.");
    EXPECT_EQ(lines[2], "ul. Polna 1");
    EXPECT_EQ(lines[3], "");
}

TEST_F(StartupTest, UnopenableRecordFileIsLeftAlone)
{
    writeBytes("vatz.Rdx", {1, 2, 3});
    ioFaults().failOpenPath = "vatz.Rdx";
    ioFaults().failOpenCode = IoError::AccessDenied;
    inic(messages);
    EXPECT_EQ(fileBytes("vatz.Rdx"), (std::vector<unsigned char>{1, 2, 3}));
    EXPECT_TRUE(fs::exists("nipb.Rdx"));
}

TEST_F(StartupTest, FailedCreationAbandonsTheRun)
{
    writeBytes("Bank.Rdx", std::vector<unsigned char>(416, 0));
    writeBytes("strycz.Rdx", std::vector<unsigned char>(36, 0));
    ioFaults().failWriteAfterBytes = 0;
    ioFaults().failCode = IoError::DiskFull;
    EXPECT_THROW(inic(messages), IoError);
    resetIoFaults();
    inic(messages);
    EXPECT_EQ(fs::file_size("REJFOR.Rdx"), 19432u);
}

TEST_F(StartupTest, AReadOnlyMediumIsReadAndTheMissingFilesToldOnce)
{
    RecordFileBuilder nip(KindRejfor, 4);
    nip.inUse(2, "002", 1);
    nip.save();
    std::vector<unsigned char> bank(416, 0);
    bank[116] = 2;
    writeBytes("Bank.Rdx", bank);
    ioFaults().readOnlyMedium = true;
    for (int activation = 0; activation < 3; ++activation)
        EXPECT_NO_THROW(inic(messages));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, kRatesMissing);
    EXPECT_EQ(messages.shown[1].kind, "error");
    EXPECT_EQ(messages.shown[1].text,
              "File access denied: ulgrycz.Rdx, vatr.Rdx, vatz.Rdx, vat21.Rdx, nipb.Rdx");
    EXPECT_FALSE(fs::exists("ulgrycz.Rdx"));
    EXPECT_EQ(LedgerText("\x9e"), "\x9c"); // the parameters were read

    // Reading goes on; saving is refused and changes nothing.
    LoadForAccount(KindRejfor, "002", 1);
    EXPECT_EQ(getStr(recordBuffer(KindRejfor), nip::account_no), "002");
    const auto before = fileBytes("REJFOR.Rdx");
    EXPECT_EQ(ioErrorCode([] { WriteRecord(KindRejfor); }), IoError::AccessDenied);
    EXPECT_EQ(fileBytes("REJFOR.Rdx"), before);
}

TEST(OfficeIdentity, SavedLinesLoadBack)
{
    TempDir dir;
    EXPECT_EQ(LoadOfficeIdentity(), (std::array<std::string, 4>{}));
    SaveOfficeIdentity({"A", "", "C", std::string(50, 'x')});
    EXPECT_EQ(LoadOfficeIdentity(), (std::array<std::string, 4>{"A", "", "C", std::string(40, 'x')}));
}

} // namespace
