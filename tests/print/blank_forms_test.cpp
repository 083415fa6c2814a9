#include "core/common/io_error.h"
#include "core/print/blank_alignment.h"
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
    const struct {
        const char* label;
        std::optional<BlankSource> blank;
    } cases[] = {
        {"NIP-1 1/4", BlankSource{"druki/NIP-1.pdf", 0, 4}},
        {"NIP-1 2/4", BlankSource{"druki/NIP-1_2z4.png", -1, 0}},
        {"NIP-1 4/4", BlankSource{"druki/NIP-1.pdf", 3, 4}},
        {"NIP-D  2/2", BlankSource{"druki/NIP-D.pdf", 1, 2}},
        {"NIP-D 1/2", BlankSource{"druki/NIP-D.pdf", 0, 2}},
        {"VAT-R/UE 1/1", BlankSource{"druki/VAT-R-UE.PDF", 0, 1}},
        {"NIP-3 1/2", BlankSource{"druki/NIP-3_1z2.pdf", 0, 0}},
        {"NIP-3 2/2", std::nullopt},
        {"VAT-Z 1/1", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(findBlank(c.label), c.blank) << c.label;
    EXPECT_EQ(blankFolderProblem(), "");
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
    const struct {
        std::string text;
        BlankAlignment alignment; // mm right, mm down, scale
        bool nonsense;
    } cases[] = {
        {"0.5\n-1\n98.5\n", {0.5, -1.0, 0.985}, false},
        {"1,5\r\n 2 \r\n100\r\n", {1.5, 2.0, 1.0}, false},
        {"0.5\n-1\n", {}, true},
        {"0.5\n-1\n98\n4\n", {}, true},
        {"abc\n0\n100\n", {}, true},
        {"51\n0\n100\n", {}, true}, // beyond any sheet
        {"0\n0\n70\n", {}, true}, // no scanner shrinks so much
        {"nan\n0\n100\n", {}, true},
        {std::string(300, '1'), {}, true},
    };
    for (const auto& c : cases) {
        put("NIP-1_1z4.popr", c.text);
        const LoadedAlignment loaded = loadBlankAlignment("NIP-1 1/4");
        EXPECT_EQ(loaded.alignment, c.alignment) << c.text;
        EXPECT_EQ(loaded.problem.find(file) != std::string::npos, c.nonsense) << c.text << ": " << loaded.problem;
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
