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

using namespace calibration;

namespace {

struct CalibrationFilesTest : ::testing::Test {
    TempDir dir;
};

TEST_F(CalibrationFilesTest, EveryFileSavesOneLinePerRowAndLoadsBack)
{
    struct Case {
        const CalibrationFile& file;
        std::string fileName;
        std::size_t rows;
        bool margins;
    };
    const Case cases[] = {
        {margnip1, "margnip1.Rdx", 10, true}, {margnip2, "margnip2.Rdx", 8, true}, {margnip3, "margnip3.Rdx", 2, true},
        {margvatr, "margvatr.Rdx", 3, true}, {margvatz, "margvatz.Rdx", 1, true}, {marvat21, "marvat21.Rdx", 2, true},
        {odsnip1, "odsnip1.Rdx", 39, false}, {odsnip2, "odsnip2.Rdx", 39, false}, {odsnip3, "odsnip3.Rdx", 9, false},
        {odsvatr, "odsvatr.Rdx", 17, false}, {odsvatz, "odsvatz.Rdx", 5, false}, {odsv21, "odsv21.Rdx", 6, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fileName);
        ASSERT_EQ(c.file.rows(), c.rows);
        if (c.margins) {
            MarginTable margins{};
            for (std::size_t i = 0; i < c.rows; ++i)
                margins[i] = {static_cast<int>(i) - 4, static_cast<int>(i) * 7};
            saveMargins(c.file, margins);
            EXPECT_EQ(loadMargins(c.file), margins);
        } else {
            SpacingTable spacing{};
            for (std::size_t i = 0; i < c.rows; ++i)
                spacing[i] = static_cast<int>(i) * 3 - 50;
            saveSpacings(c.file, spacing);
            EXPECT_EQ(loadSpacings(c.file), spacing);
        }
        const std::string text = readTextFile(c.fileName).value_or("");
        EXPECT_EQ(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')), c.rows);
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
    struct Case {
        const char* what;
        const CalibrationFile& file;
        std::optional<std::string> content;
        std::vector<MarginPair> rows;
    };
    const Case cases[] = {
        {"missing file", margvatr, std::nullopt, {}},
        {"short file", margvatr, "    5   12\r\n    7   -2\r\n", {{5, 12}, {7, -2}}},
        {"rows beyond the count", margvatz, "    1    2\r\n    3    4\r\n", {{1, 2}}},
        {"junk beyond the count", margvatz, "    1    2\r\nnot numbers\r\n", {{1, 2}}},
        // A row's values may run onto the next line; the rest of their line is passed over.
        {"blanks and line ends", margvatr, "5\n12\n\t-3  +4   9\n  8", {{5, 12}, {-3, 4}, {8, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(c.file.fileName());
        if (c.content)
            writeTextFile(c.file.fileName(), *c.content);
        MarginTable expected{};
        std::copy(c.rows.begin(), c.rows.end(), expected.begin());
        EXPECT_EQ(loadMargins(c.file), expected);
    }

    EXPECT_EQ(loadSpacings(odsnip1), SpacingTable{});
    std::string lines;
    for (int i = 1; i <= 10; ++i)
        lines += std::to_string(i) + "\r\n";
    writeTextFile("odsvatz.Rdx", lines);
    EXPECT_EQ(loadSpacings(odsvatz), (SpacingTable{1, 2, 3, 4, 5}));
}

TEST_F(CalibrationFilesTest, ContentThatIsNoIntegerIsInputOutputError106)
{
    for (const std::string junk : {"abc", "5.5", "1e3", "5x", "+-5", "99999999999", "-"}) {
        SCOPED_TRACE(junk);
        writeTextFile("odsnip1.Rdx", "   10\r\n" + junk + "\r\n");
        writeTextFile("margnip1.Rdx", "    1    1\r\n    1 " + junk + "\r\n");
        EXPECT_EQ(ioErrorCode([] { loadSpacings(odsnip1); }), IoError::InvalidNumber);
        EXPECT_EQ(ioErrorCode([] { loadMargins(margnip1); }), IoError::InvalidNumber);
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
