#include "core/app/startup.h"
#include "core/common/app_state.h"
#include "core/common/file_io.h"
#include "core/common/polish_letters.h"
#include "support/io_error_code.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;
using Shown = ScriptedMessages::Shown;

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
    EXPECT_EQ(fs::file_size("ulgrycz.Rdx"), 0u);
    std::vector<unsigned char> bank(416, 0); // year 2003 at 0, month 1 at 2
    bank[0] = 0xD3, bank[1] = 0x07, bank[2] = 1;
    EXPECT_EQ(fileBytes("Bank.Rdx"), bank);

    // Four free records: the blank account, a short string at 0, and zeros.
    for (auto [name, recordSize] : {std::pair{"REJFOR.Rdx", 4858}, {"vatr.Rdx", 957}, {"vatz.Rdx", 597},
                                    {"vat21.Rdx", 1624}, {"nipb.Rdx", 922}}) {
        std::vector<unsigned char> blanks(4 * recordSize, 0);
        for (int r = 0; r < 4; ++r)
            std::copy_n("\x04    ", 5, blanks.begin() + r * recordSize);
        EXPECT_EQ(fileBytes(name), blanks) << name;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 7);

    // Every activation makes a deleted file anew; the missing rates are told
    // once for the whole run of the program.
    fs::remove("vat21.Rdx");
    for (int activation = 0; activation < 2; ++activation)
        inic(messages);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{kRatesMissing});
    EXPECT_EQ(fs::file_size("vat21.Rdx"), 4 * 1624u);
}

// Six 6-byte reals: exponent + 129, then the fraction's 39 bits, low byte first.
TEST_F(StartupTest, RatesFileIsReadRepairedOrTakenAsZeros)
{
    using Bytes = std::vector<unsigned char>;
    const Bytes damaged(20, 0x55);
    Bytes repaired(36, 0); // 3.0, 5.5, 8.5
    repaired[0] = 0x82, repaired[5] = 0x40, repaired[6] = 0x83, repaired[11] = 0x30, repaired[12] = 0x84,
    repaired[17] = 0x08;
    Bytes seventeen(36, 0); // 0, 17.0, 0...
    seventeen[6] = 0x85, seventeen[11] = 0x08;
    const struct {
        const char* what;
        Bytes content;
        bool readOnly;
        std::vector<Shown> told;
        std::array<double, 6> rates;
        Bytes after;
    } cases[] = {
        {"short: repaired", damaged, false, {{"inform", kRatesDamaged, ""}}, {3.0, 5.5, 8.5}, repaired},
        {"short and read-only: repaired in memory", damaged, true,
         {{"inform", kRatesDamaged, ""}, {"error", "File access denied: strycz.Rdx", ""}}, {3.0, 5.5, 8.5}, damaged},
        {"empty: zeros, silently", {}, false, {}, {}, {}},
        {"whole: read", seventeen, false, {}, {0, 17.0}, seventeen},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        startupNotices() = {};
        messages = {};
        writeBytes("strycz.Rdx", c.content);
        ioFaults().readOnlyPath = c.readOnly ? "strycz.Rdx" : "";
        appState().rates.fill(1.0);
        for (int activation = 0; activation < 3; ++activation)
            inic(messages);
        EXPECT_EQ(messages.shown, c.told);
        EXPECT_EQ(appState().rates, c.rates);
        EXPECT_EQ(fileBytes("strycz.Rdx"), c.after);
    }
}

// An empty ledger parameter file stops the run before any record file is made; a
// record file linked to a share that is not mounted stops it and the link stays.
TEST_F(StartupTest, AnInputOutputErrorStopsTheRun)
{
    writeBytes("Bank.Rdx", {});
    EXPECT_EQ(ioErrorCode([&] { inic(messages); }), IoError::ReadBeyondEnd);
    EXPECT_FALSE(fs::exists("REJFOR.Rdx"));
#ifndef _WIN32 // where symbolic links need administrator rights
    fs::remove("Bank.Rdx");
    fs::create_symlink("share/REJFOR.Rdx", "REJFOR.Rdx");
    EXPECT_EQ(ioErrorCode([&] { inic(messages); }), IoError::FileNotFound);
    EXPECT_TRUE(fs::is_symlink("REJFOR.Rdx"));
#endif
}

// On a read-only medium the operator can still read and print: one box names every
// file that could not be made, once per run. Letter mode 2 at byte 116: Mazovia.
TEST_F(StartupTest, LedgerParametersAndOfficeLinesAreReadAlsoFromAReadOnlyMedium)
{
    std::vector<unsigned char> bank(416, 0);
    bank[116] = 2;
    writeBytes("Bank.Rdx", bank);
    const std::string line = "Biuro Rachunkowe \xA3\xB9ka 0123456789 0123456789 0123456789";
    writeTextFile("biuro.Rdx", line + "\r\nSp. z o.o.\r\nul. Polna 1\n");
    ioFaults().readOnlyMedium = true;
    for (int activation = 0; activation < 3; ++activation)
        EXPECT_NO_THROW(inic(messages));
    const std::vector<Shown> told = {
        {"inform", kRatesMissing, ""},
        {"error", "File access denied: ulgrycz.Rdx, REJFOR.Rdx, vatr.Rdx, vatz.Rdx, vat21.Rdx, nipb.Rdx", ""},
    };
    EXPECT_EQ(messages.shown, told);
    EXPECT_FALSE(fs::exists("ulgrycz.Rdx"));
    EXPECT_EQ(LedgerText("\x9e"), "\x9c"); // Mazovia ś to code page 1250 ś
    EXPECT_EQ(appState().officeLines, (std::array<std::string, 4>{line.substr(0, 40), "Sp. z o.o.", "ul. Polna 1"}));
}

} // namespace
