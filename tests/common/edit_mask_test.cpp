#include "core/common/edit_mask.h"

#include <gtest/gtest.h>

namespace {

// A mask's texts before and after a stored text is put in; `length` is
// the number of positions, literals included.
TEST(EditMask, TextsBlankAndSet)
{
    const struct {
        const char* mask;
        std::size_t length;
        const char* blankEditText;
        const char* blankText;
        const char* stored;
        const char* editText;
        const char* text;
    } cases[] = {
        {"##9;1;_", 3, "___", "   ", "7", "7__", "7  "},
        {"##9;1;_", 3, "___", "   ", "1234", "123", "123"},
        {"##9;1;_", 3, "___", "   ", "1_3", "1_3", "1 3"},
        {"99/99/9999;1;_", 10, "__-__-____", "  -  -    ", "05-12-2004", "05-12-2004", "05-12-2004"},
        {">AA#############;1;_", 15, "_______________", "               ", "pl123", "PL123__________",
         "PL123          "},
        {"99:99;1;*", 5, "**:**", "  :  ", "12:34", "12:34", "12:34"},
        {"99-999;0;_", 6, "__-___", "     ", "12345", "12-345", "12345"},
        {"\\99_L;1;_", 4, "9_ _", "9   ", "", "9_ _", "9   "},
        {"", 0, "", "", "", "", ""},
    };
    for (const auto& c : cases) {
        EditMask mask(c.mask);
        EXPECT_EQ(mask.length(), c.length) << c.mask;
        EXPECT_EQ(mask.editText(), c.blankEditText) << c.mask;
        EXPECT_EQ(mask.text(), c.blankText) << c.mask;
        EXPECT_TRUE(mask.isBlank()) << c.mask;
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
        {"##9;1;_", 0, "7a+", "7+|_"},                    // a letter is refused
        {"##9;1;_", 0, "1234", "123|"},                   // nothing is typed past the end
        {"##9;1;_", 0, "+-+", "+-|_"},                    // the last position takes no sign
        {"9;1;_", 0, " ", "_|"},                          // an optional position takes a blank
        {"0;1;_", 0, " ", "|_"},                          // a required one does not
        {"L9;1;_", 0, "1x2", "x2|"},
        {">AA;1;_", 0, "p\xb9", "P\xa5|"},                // upper-cased: ą → Ą
        {"<aa;1;_", 0, "Q\xa5", "q\xb9|"},                // lower-cased: Ą → ą
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
