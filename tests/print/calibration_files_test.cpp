#include "common/file_io.h"
#include "common/io_error.h"
#include "print/calibration_files.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

using namespace calibration;

namespace {

std::string fileText(const std::string& name)
{
    const std::vector<unsigned char> bytes = fileBytes(name);
    return {bytes.begin(), bytes.end()};
}

void putText(const std::string& name, const std::string& text) { writeBytes(name, {text.begin(), text.end()}); }

struct CalibrationFilesTest : ::testing::Test {
    TempDir dir;
};

TEST(CalibrationFileTables, NamesRowCountsAndLabels)
{
    struct Expected {
        const CalibrationFile& file;
        std::string fileName;
        std::size_t rows;
        std::string firstLabel;
        std::string lastLabel;
    };
    const Expected cases[] = {
        {margnip1, "margnip1.Rdx", 10, "NIP-1 1/4", "NIP-C 2/2"},
        {margnip2, "margnip2.Rdx", 8, "NIP-2 1/4", "NIP-D 2/2"},
        {margnip3, "margnip3.Rdx", 2, "NIP-3 1/2", "NIP-3 2/2"},
        {margvatr, "margvatr.Rdx", 3, "VAT-R 1/2", "VAT-R/UE 1/1"},
        {margvatz, "margvatz.Rdx", 1, "VAT-Z 1/1", "VAT-Z 1/1"},
        {marvat21, "marvat21.Rdx", 2, "VAT-21 1/2", "VAT-21 2/2"},
        {odsnip1, "odsnip1.Rdx", 39, "NIP-A", "C/B.1-C"},
        {odsnip2, "odsnip2.Rdx", 39, "NIP-A", "D/B.3.2-C"},
        {odsnip3, "odsnip3.Rdx", 9, "NIP-A", "D-E"},
        {odsvatr, "odsvatr.Rdx", 17, "NIP-A", "/UE 7-8"},
        {odsvatz, "odsvatz.Rdx", 5, "NIP-A", "C-D"},
        {odsv21, "odsv21.Rdx", 6, "NIP-A", "F-G"},
    };
    for (const Expected& e : cases) {
        SCOPED_TRACE(e.fileName);
        EXPECT_EQ(e.file.fileName(), e.fileName);
        ASSERT_EQ(e.file.rows(), e.rows);
        EXPECT_EQ(e.file.labels.front(), e.firstLabel);
        EXPECT_EQ(e.file.labels.back(), e.lastLabel);
    }
    EXPECT_EQ(odsnip1.defaultsFileName(), "odsnip1d.Rdx");
    EXPECT_EQ(odsv21.defaultsFileName(), "odsv21d.Rdx");
    // Labels the layouts' section steps name, with the point before the dash kept.
    EXPECT_EQ(odsnip1.labels[27], "A/B.3.1.-B.3.2");
    EXPECT_EQ(odsnip1.labels[33], "B/NIP-A.1");
    EXPECT_EQ(odsnip2.labels[24], "A/B.3.1.-B.3.2");
    EXPECT_EQ(odsnip2.labels[29], "D/NIP-A");
    EXPECT_EQ(odsnip2.labels[37], "D/B.3.1-B.3.2");
    EXPECT_EQ(odsvatr.labels[11], "/UE NIP-A");
    EXPECT_EQ(margnip1.labels[6], "NIP-B 1/2");
    EXPECT_EQ(margnip2.labels[6], "NIP-D 1/2");
}

TEST_F(CalibrationFilesTest, WritesFiveCharacterFieldsWithCrLf)
{
    MarginTable margins{};
    margins[0] = {5, 12};
    margins[1] = {-3, 0};
    margins[2] = {1234, -999};
    saveMargins(margnip3, margins);
    EXPECT_EQ(fileText("margnip3.Rdx"), "    5   12\r\n   -3    0\r\n");

    saveMargins(margvatr, margins);
    EXPECT_EQ(fileText("margvatr.Rdx"), "    5   12\r\n   -3    0\r\n 1234 -999\r\n");

    SpacingTable spacing{};
    spacing[0] = -3;
    spacing[4] = 40;
    saveSpacings(odsvatz, spacing);
    EXPECT_EQ(fileText("odsvatz.Rdx"), "   -3\r\n    0\r\n    0\r\n    0\r\n   40\r\n");
}

TEST_F(CalibrationFilesTest, SavingCreatesTheFileAnew)
{
    putText("odsvatz.Rdx", std::string(200, 'x'));
    saveSpacings(odsvatz, SpacingTable{});
    EXPECT_EQ(fileText("odsvatz.Rdx").size(), 5u * 7u);
}

TEST_F(CalibrationFilesTest, WideValuesStayReadable)
{
    MarginTable margins{};
    margins[0] = {12345, -1234};
    margins[1] = {-123456, 123456};
    saveMargins(margnip3, margins);
    EXPECT_EQ(fileText("margnip3.Rdx"), "12345 -1234\r\n-123456 123456\r\n");
    EXPECT_EQ(loadMargins(margnip3), margins);
}

TEST_F(CalibrationFilesTest, SavedTablesLoadBack)
{
    MarginTable margins{};
    for (std::size_t i = 0; i < margnip1.rows(); ++i)
        margins[i] = {static_cast<int>(i) - 4, static_cast<int>(i) * 7};
    saveMargins(margnip1, margins);
    EXPECT_EQ(loadMargins(margnip1), margins);

    SpacingTable spacing{};
    for (std::size_t i = 0; i < odsnip2.rows(); ++i)
        spacing[i] = static_cast<int>(i) * 3 - 50;
    saveSpacings(odsnip2, spacing);
    EXPECT_EQ(loadSpacings(odsnip2), spacing);
}

TEST_F(CalibrationFilesTest, MissingFileIsAllZeros)
{
    EXPECT_EQ(loadMargins(margnip1), MarginTable{});
    EXPECT_EQ(loadSpacings(odsnip1), SpacingTable{});
    EXPECT_EQ(loadSpacingDefaults(odsnip1), SpacingTable{});
}

TEST_F(CalibrationFilesTest, ShortFileLeavesZerosAfterItsRows)
{
    putText("margnip1.Rdx", "    5   12\r\n    7   -2\r\n");
    MarginTable expected{};
    expected[0] = {5, 12};
    expected[1] = {7, -2};
    EXPECT_EQ(loadMargins(margnip1), expected);
}

TEST_F(CalibrationFilesTest, RowsBeyondTheCountAreIgnored)
{
    putText("margvatz.Rdx", "    1    2\r\n    3    4\r\n");
    MarginTable expected{};
    expected[0] = {1, 2};
    EXPECT_EQ(loadMargins(margvatz), expected);

    std::string lines;
    for (int i = 1; i <= 10; ++i)
        lines += std::to_string(i) + "\r\n";
    putText("odsvatz.Rdx", lines);
    const SpacingTable spacing = loadSpacings(odsvatz);
    EXPECT_EQ(spacing[4], 5);
    EXPECT_EQ(spacing[5], 0);
}

TEST_F(CalibrationFilesTest, ValuesAreSeparatedByBlanksOrLineEnds)
{
    // One row per line: a row's values may run onto the next line, and
    // whatever follows them on their line is passed over.
    putText("margvatr.Rdx", "5\n12\n\t-3  +4   9\n  8");
    MarginTable expected{};
    expected[0] = {5, 12};
    expected[1] = {-3, 4};
    expected[2] = {8, 0};
    EXPECT_EQ(loadMargins(margvatr), expected);
}

TEST_F(CalibrationFilesTest, DefaultsComeFromTheirOwnFile)
{
    putText("odsnip3.Rdx", "1\r\n");
    putText("odsnip3d.Rdx", "   20\r\n   -5\r\n");
    const SpacingTable defaults = loadSpacingDefaults(odsnip3);
    EXPECT_EQ(defaults[0], 20);
    EXPECT_EQ(defaults[1], -5);
    EXPECT_EQ(defaults[2], 0);
}

TEST_F(CalibrationFilesTest, ContentThatIsNoIntegerIsInputOutputError106)
{
    for (const std::string junk : {"abc", "5.5", "1e3", "5x", "+-5", "99999999999", "-"}) {
        SCOPED_TRACE(junk);
        putText("odsnip1.Rdx", "   10\r\n" + junk + "\r\n");
        putText("margnip1.Rdx", "    1    1\r\n    1 " + junk + "\r\n");
        for (auto load : {+[] { loadSpacings(odsnip1); }, +[] { loadMargins(margnip1); }}) {
            try {
                load();
                ADD_FAILURE() << "no error";
            } catch (const IoError& e) {
                EXPECT_EQ(e.code(), IoError::InvalidNumber);
            }
        }
    }
}

TEST_F(CalibrationFilesTest, JunkAfterTheRowCountIsNeverRead)
{
    putText("margvatz.Rdx", "    1    2\r\nnot numbers\r\n");
    EXPECT_EQ(loadMargins(margvatz)[0], (MarginPair{1, 2}));
}

TEST_F(CalibrationFilesTest, UnreadableFileIsAnErrorNotZeros)
{
    putText("odsnip1.Rdx", "   10\r\n");
    ioFaults().failOpenPath = "odsnip1.Rdx";
    ioFaults().failOpenCode = IoError::AccessDenied;
    try {
        loadSpacings(odsnip1);
        ADD_FAILURE() << "no error";
    } catch (const IoError& e) {
        EXPECT_EQ(e.code(), IoError::AccessDenied);
    }
}

TEST_F(CalibrationFilesTest, FailedWriteIsReported)
{
    ioFaults().failWriteAfterBytes = 3;
    EXPECT_THROW(saveSpacings(odsvatz, SpacingTable{}), IoError);
}

} // namespace
