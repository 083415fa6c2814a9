#include "common/edit_mask.h"

#include <gtest/gtest.h>

namespace {

TEST(EditMask, BlankTextsAndLengths)
{
    const struct {
        const char* mask;
        const char* editText;
        const char* text;
    } cases[] = {
        {"##9;1;_", "___", "   "},
        {"99/99/9999;1;_", "__-__-____", "  -  -    "},
        {"99-999;1;_", "__-___", "  -   "},
        {"#############;1;_", "_____________", "             "},
        {">AA#############;1;_", "_______________", "               "},
        {"0000;1;_", "____", "    "},
        {"99:99;1;*", "**:**", "  :  "},
        {"99-999;0;_", "__-___", "     "},
        {"\\99_L;1;_", "9_ _", "9   "},
    };
    for (const auto& c : cases) {
        const EditMask mask(c.mask);
        EXPECT_EQ(mask.editText(), c.editText) << c.mask;
        EXPECT_EQ(mask.text(), c.text) << c.mask;
        EXPECT_EQ(mask.length(), std::string(c.editText).size()) << c.mask;
        EXPECT_TRUE(mask.isBlank()) << c.mask;
    }
}

TEST(EditMask, NoMaskHasNoPositions)
{
    const EditMask mask("");
    EXPECT_TRUE(mask.empty());
    EXPECT_EQ(mask.length(), 0u);
}

TEST(EditMask, SetTextPutsCharactersInPlace)
{
    const struct {
        const char* mask;
        const char* stored;
        const char* editText;
        const char* text;
    } cases[] = {
        {"99/99/9999;1;_", "05-12-2004", "05-12-2004", "05-12-2004"},
        {"99/99/9999;1;_", "  -  -    ", "__-__-____", "  -  -    "},
        {"##9;1;_", "7", "7__", "7  "},
        {"##9;1;_", "1234", "123", "123"},
        {"##9;1;_", "1_3", "1_3", "1 3"},
        {"99-999;1;_", "12-345", "12-345", "12-345"},
        {">AA#############;1;_", "pl123", "PL123__________", "PL123          "},
        {"99-999;0;_", "12345", "12-345", "12345"},
    };
    for (const auto& c : cases) {
        EditMask mask(c.mask);
        mask.setText(c.stored);
        EXPECT_EQ(mask.editText(), c.editText) << c.mask << " " << c.stored;
        EXPECT_EQ(mask.text(), c.text) << c.mask << " " << c.stored;
    }
}

// Types the characters one by one from the cursor `from`; '|' in the
// expected text marks where the cursor ends.
std::string typed(const char* maskText, std::size_t from, std::string_view keys)
{
    EditMask mask(maskText);
    std::size_t cursor = from;
    for (const char c : keys)
        if (const auto next = mask.type(cursor, c))
            cursor = *next;
    std::string shown = mask.editText();
    shown.insert(cursor, "|");
    return shown;
}

TEST(EditMask, TypingOverwritesAndStepsOverLiterals)
{
    const struct {
        const char* mask;
        std::size_t from;
        const char* keys;
        const char* expected;
    } cases[] = {
        {"99/99/9999;1;_", 0, "05122004", "05-12-2004|"},
        {"99/99/9999;1;_", 0, "05-12", "05-12-|____"},     // the cursor is past the literal already
        {"99/99/9999;1;_", 2, "-1", "__-1|_-____"},        // the literal's own key moves past it
        {"99/99/9999;1;_", 2, "1", "__-1|_-____"},         // from a literal to the next position
        {"##9;1;_", 0, "-5", "-5|_"},
        {"##9;1;_", 0, "7a+", "7+|_"},                    // a letter is refused
        {"##9;1;_", 0, "1234", "123|"},                   // nothing is typed past the end
        {"##9;1;_", 0, "+-+", "+-|_"},                    // the last position takes no sign
        {"9;1;_", 0, " ", "_|"},                          // an optional position takes a blank
        {"0;1;_", 0, " ", "|_"},                          // a required one does not
        {"L9;1;_", 0, "1x2", "x2|"},
        {"ll;1;_", 0, "\xb9\xa5", "\xb9\xa5|"},           // ą Ą are letters of the code page
        {">AA;1;_", 0, "p\xb9", "P\xa5|"},                // upper-cased: ą → Ą
        {"<aa;1;_", 0, "Q\xa5", "q\xb9|"},                // lower-cased: Ą → ą
        {">A<>a;1;_", 0, "xy", "Xy|"},
        {"CC;1;_", 0, "?!", "?!|"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(typed(c.mask, c.from, c.keys), c.expected) << c.mask << " " << c.keys;
}

TEST(EditMask, BackspaceAndEraseBlankPositions)
{
    EditMask date("99/99/9999;1;_");
    date.setText("05-12-2004");
    EXPECT_EQ(date.backspace(3), 1u); // steps back over the literal
    EXPECT_EQ(date.editText(), "0_-12-2004");
    EXPECT_EQ(date.backspace(0), 0u);
    date.erase(2, 7);
    EXPECT_EQ(date.editText(), "0_-__-_004");
    EXPECT_EQ(date.text(), "0 -  - 004");
    EXPECT_FALSE(date.isBlank());
    date.erase(0, 99);
    EXPECT_TRUE(date.isBlank());
    EXPECT_EQ(date.nextEditable(2), 3u);
    EXPECT_EQ(date.nextEditable(10), 10u);
}

} // namespace
