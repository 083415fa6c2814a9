#include "core/common/io_error.h"
#include "core/print/blank_alignment.h"
#include "core/print/blank_form_names.h"
#include "core/print/blank_forms.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace {

namespace fs = std::filesystem;

struct BlankFormsTest : ::testing::Test {
    TempDir dir;
    void put(const std::string& name, const std::string& text = "x")
    {
        fs::create_directories("druki");
        writeBytes("druki/" + name, std::vector<unsigned char>(text.begin(), text.end()));
    }
};

TEST_F(BlankFormsTest, APageFileWinsOverTheWholeFormPdf)
{
    for (const char* name : {"NIP-1.pdf", "NIP-1_2z4.png", "NIP-D.pdf", "VAT-R-UE.PDF", "NIP-3_1z2.pdf"})
        put(name);
    const std::pair<const char*, std::optional<BlankSource>> cases[] = {
        {"NIP-1 1/4", BlankSource{"druki/NIP-1.pdf", 0, 4}},
        {"NIP-1 2/4", BlankSource{"druki/NIP-1_2z4.png", -1, 0}},
        {"NIP-1 4/4", BlankSource{"druki/NIP-1.pdf", 3, 4}},
        {"NIP-D  2/2", BlankSource{"druki/NIP-D.pdf", 1, 2}},
#ifdef _WIN32 // where a name matches whatever the letter case of the file
        {"VAT-R/UE 1/1", BlankSource{"druki/VAT-R-UE.pdf", 0, 1}},
#else
        {"VAT-R/UE 1/1", BlankSource{"druki/VAT-R-UE.PDF", 0, 1}},
#endif
        {"NIP-3 1/2", BlankSource{"druki/NIP-3_1z2.pdf", 0, 0}},
        {"NIP-3 2/2", std::nullopt},
    };
    for (const auto& [label, blank] : cases)
        EXPECT_EQ(findBlank(label), blank) << label;
    EXPECT_EQ(blankFolderProblem(), "");
    // A label never names a file outside the folder, nor a hidden one.
    EXPECT_EQ(blankFormFileBase("a\\b:c 1/2"), "a-b-c_1z2");
    EXPECT_EQ(blankFormFileBase("../x"), "_..-x");
}

TEST_F(BlankFormsTest, ADrukiThatIsAFileIsToldAndHoldsNoBlank)
{
    writeBytes("druki", {'x'});
    EXPECT_EQ(findBlank("NIP-1 1/4"), std::nullopt);
    EXPECT_NE(blankFolderProblem().find("\"druki\""), std::string::npos) << blankFolderProblem();
}

TEST_F(BlankFormsTest, ACorrectionIsReadFromItsFileAndNonsenseIsIgnored)
{
    const std::string file = "druki/NIP-1_1z4.popr";
    const std::pair<std::string, BlankAlignment> cases[] = { // mm right, mm down, scale; {} for nonsense
        {"0.5\n-1\n98.5\n", {0.5, -1.0, 0.985}}, {"1,5\r\n 2 \r\n100\r\n", {1.5, 2.0, 1.0}},
        {"0.5\n-1\n", {}}, {"0.5\n-1\n98\n4\n", {}}, {"abc\n0\n100\n", {}},
        {"51\n0\n100\n", {}}, // beyond any sheet
        {"0\n0\n70\n", {}},   // no scanner shrinks so much
        {"nan\n0\n100\n", {}},
    };
    for (const auto& [text, alignment] : cases) {
        put("NIP-1_1z4.popr", text);
        const LoadedAlignment loaded = loadBlankAlignment("NIP-1 1/4");
        EXPECT_EQ(loaded.alignment, alignment) << text;
        EXPECT_EQ(loaded.problem.find(file) != std::string::npos, alignment == BlankAlignment{}) << text << ": " << loaded.problem;
    }
}

TEST_F(BlankFormsTest, ACorrectionIsWrittenAsThreeLinesAndTheDefaultRemovesIt)
{
    saveBlankAlignment("VAT-R/UE 1/1", {-0.5, 12.25, 0.981});
    const std::vector<unsigned char> written = fileBytes("druki/VAT-R-UE_1z1.popr");
    EXPECT_EQ(std::string(written.begin(), written.end()), "-0.50\n12.25\n98.10\n");
    saveBlankAlignment("VAT-R/UE 1/1", {});
    EXPECT_FALSE(fs::exists("druki/VAT-R-UE_1z1.popr"));
    EXPECT_EQ(loadBlankAlignment("VAT-R/UE 1/1").problem, "");

    fs::remove("druki");
    writeBytes("druki", {'x'});
    try {
        saveBlankAlignment("NIP-1 1/4", {1, 0, 1});
        ADD_FAILURE() << "saved into a file";
    } catch (const IoError& e) {
        EXPECT_NE(std::string(e.what()).find("druki"), std::string::npos) << e.what();
    }
}

TEST(BlankPlacement, CoversTheSheetOrFitsIntoItThenScalesAboutTheCornerAndMoves)
{
    const auto near = [](const RectMm& a, const RectMm& b) {
        return std::abs(a.x - b.x) < 1e-6 && std::abs(a.y - b.y) < 1e-6 && std::abs(a.width - b.width) < 1e-6
            && std::abs(a.height - b.height) < 1e-6;
    };
    // A4 as a PDF gives it (595 x 842 pt) is A4.
    EXPECT_TRUE(near(blankPlacement(209.9, 297.0, {}), {0, 0, 210, 297}));
    EXPECT_TRUE(near(blankPlacement(210, 297, {2, -3, 0.98}), {2, -3, 205.8, 291.06}));
    // US Letter, 215.9 x 279.4 mm, narrowed to 210 mm wide and centred down the sheet.
    const double letterHeight = 279.4 * 210 / 215.9;
    EXPECT_TRUE(near(blankPlacement(215.9, 279.4, {}), {0, (297 - letterHeight) / 2, 210, letterHeight}));
    EXPECT_TRUE(
        near(blankPlacement(215.9, 279.4, {1, 1, 0.5}), {1, 1 + (297 - letterHeight) / 4, 105, letterHeight / 2}));
    // A5 is enlarged to the sheet's height, a hair narrower than the sheet.
    const double a5Width = 148 * 297 / 210.0;
    EXPECT_TRUE(near(blankPlacement(148, 210, {}), {(210 - a5Width) / 2, 0, a5Width, 297}));
}

} // namespace
