#include "core/common/file_io.h"
#include "core/common/io_error.h"
#include "core/print/calibration_files.h"
#include "support/io_error_code.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <tuple>

using namespace calibration;

namespace {

struct CalibrationFilesTest : ::testing::Test {
    TempDir dir;
};

TEST_F(CalibrationFilesTest, EveryFileSavesOneLinePerRowAndLoadsBack)
{
    const std::tuple<const CalibrationFile&, std::string, std::size_t> margins[] = {{margnip1, "margnip1.Rdx", 10},
        {margnip2, "margnip2.Rdx", 8}, {margnip3, "margnip3.Rdx", 2}, {margvatr, "margvatr.Rdx", 3},
        {margvatz, "margvatz.Rdx", 1}, {marvat21, "marvat21.Rdx", 2}};
    const std::tuple<const CalibrationFile&, std::string, std::size_t> spacings[] = {{odsnip1, "odsnip1.Rdx", 39},
        {odsnip2, "odsnip2.Rdx", 39}, {odsnip3, "odsnip3.Rdx", 9}, {odsvatr, "odsvatr.Rdx", 17},
        {odsvatz, "odsvatz.Rdx", 5}, {odsv21, "odsv21.Rdx", 6}};
    const auto lines = [](const std::string& name) {
        const std::string text = readTextFile(name).value_or("");
        return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    };
    for (const auto& [file, name, rows] : margins) {
        MarginTable table{};
        for (std::size_t i = 0; i < rows; ++i)
            table[i] = {static_cast<int>(i) - 4, static_cast<int>(i) * 7};
        saveMargins(file, table);
        EXPECT_EQ(loadMargins(file), table) << name;
        EXPECT_EQ(lines(name), rows) << name;
    }
    for (const auto& [file, name, rows] : spacings) {
        SpacingTable table{};
        for (std::size_t i = 0; i < rows; ++i)
            table[i] = static_cast<int>(i) * 3 - 50;
        saveSpacings(file, table);
        EXPECT_EQ(loadSpacings(file), table) << name;
        EXPECT_EQ(lines(name), rows) << name;
    }
}

TEST_F(CalibrationFilesTest, WritesRightAlignedFieldsOfFiveWithCrLfOverTheOldFile)
{
    writeTextFile("margnip3.Rdx", std::string(200, 'x'));
    MarginTable margins{};
    margins[0] = {5, 12};
    margins[1] = {-3, 0};
    saveMargins(margnip3, margins);
    EXPECT_EQ(readTextFile("margnip3.Rdx"), "    5   12\r\n   -3    0\r\n");

    // Wider values stay readable.
    margins[0] = {12345, -1234};
    margins[1] = {-123456, 123456};
    saveMargins(margnip3, margins);
    EXPECT_EQ(readTextFile("margnip3.Rdx"), "12345 -1234\r\n-123456 123456\r\n");
    EXPECT_EQ(loadMargins(margnip3), margins);

    SpacingTable spacing{};
    spacing[0] = -3;
    spacing[4] = 40;
    saveSpacings(odsvatz, spacing);
    EXPECT_EQ(readTextFile("odsvatz.Rdx"), "   -3\r\n    0\r\n    0\r\n    0\r\n   40\r\n");
}

TEST_F(CalibrationFilesTest, LoadingReadsOneRowPerLineUpToTheRowCountAndZerosAfter)
{
    const struct {
        const CalibrationFile& file;
        std::optional<std::string> content;
        std::vector<MarginPair> rows;
    } cases[] = {
        {margvatr, std::nullopt, {}},
        {margvatr, "    5   12\r\n    7   -2\r\n", {{5, 12}, {7, -2}}},
        {margvatz, "    1    2\r\nnot numbers\r\n", {{1, 2}}}, // past the row count
        // A row's values may run onto the next line; the rest of their line is passed over.
        {margvatr, "5\n12\n\t-3  +4   9\n  8", {{5, 12}, {-3, 4}, {8, 0}}},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(c.file.fileName());
        if (c.content)
            writeTextFile(c.file.fileName(), *c.content);
        MarginTable expected{};
        std::ranges::copy(c.rows, expected.begin());
        EXPECT_EQ(loadMargins(c.file), expected) << c.content.value_or("no file");
    }
    writeTextFile("odsvatz.Rdx", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n");
    EXPECT_EQ(loadSpacings(odsvatz), (SpacingTable{1, 2, 3, 4, 5}));
}

TEST_F(CalibrationFilesTest, ContentThatIsNoIntegerIsInputOutputError106)
{
    for (const std::string junk : {"abc", "5.5", "5x", "+-5", "99999999999", "-"}) {
        writeTextFile("odsnip1.Rdx", "   10\r\n" + junk + "\r\n");
        writeTextFile("margnip1.Rdx", "    1    1\r\n    1 " + junk + "\r\n");
        EXPECT_EQ(ioErrorCode([] { loadSpacings(odsnip1); }), IoError::InvalidNumber) << junk;
        EXPECT_EQ(ioErrorCode([] { loadMargins(margnip1); }), IoError::InvalidNumber) << junk;
    }
}

TEST_F(CalibrationFilesTest, UnreadableOrUnwritableFileIsAnError)
{
    writeTextFile("odsnip1.Rdx", "   10\r\n");
    ioFaults().failOpenPath = "odsnip1.Rdx";
    ioFaults().failOpenCode = IoError::AccessDenied;
    EXPECT_EQ(ioErrorCode([] { loadSpacings(odsnip1); }), IoError::AccessDenied);
    resetIoFaults();
    ioFaults().failWriteAfterBytes = 3;
    EXPECT_THROW(saveSpacings(odsvatz, SpacingTable{}), IoError);
}

} // namespace
