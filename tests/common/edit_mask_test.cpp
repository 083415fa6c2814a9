#include "core/common/edit_mask.h"

#include <gtest/gtest.h>

namespace {

// A mask's texts blank and after a stored text is put in; `length` counts
// the positions, literals included.
TEST(EditMask, TextsBlankAndSet)
{
    const struct {
        const char* mask;
        std::size_t length;
        const char *blankEditText, *blankText, *stored, *editText, *text;
    } cases[] = {
        {"##9;1;_", 3, "___", "   ", "7", "7__", "7  "},
        {"##9;1;_", 3, "___", "   ", "1234", "123", "123"},
        {"##9;1;_", 3, "___", "   ", "1_3", "1_3", "1 3"},
        {"99/99/9999;1;_", 10, "__-__-____", "  -  -    ", "05-12-2004", "05-12-2004", "05-12-2004"},
        {">AA####;1;_", 6, "______", "      ", "pl123", "PL123_", "PL123 "},
        {"99:99;1;*", 5, "**:**", "  :  ", "12:34", "12:34", "12:34"},
        {"99-999;0;_", 6, "__-___", "     ", "12345", "12-345", "12345"},
        {"\\99_L;1;_", 4, "9_ _", "9   ", "", "9_ _", "9   "},
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

// The keys typed one by one from the cursor `from`; '|' in the expected
// text marks where the cursor ends.
TEST(EditMask, TypingOverwritesAndStepsOverLiterals)
{
    const struct { const char* mask; std::size_t from; const char *keys, *expected; } cases[] = {
        {"99/99/9999;1;_", 0, "05122004", "05-12-2004|"},
        {"99/99/9999;1;_", 0, "05-12", "05-12-|____"}, // the cursor is past the literal already
        {"99/99/9999;1;_", 2, "-1", "__-1|_-____"},    // the literal's own key moves past it
        {"##9;1;_", 0, "7a+", "7+|_"},                 // a letter is refused
        {"##9;1;_", 0, "1234", "123|"},                // nothing is typed past the end
        {"##9;1;_", 0, "+-+", "+-|_"},                 // the last position takes no sign
        {"9;1;_", 0, " ", "_|"},                       // an optional position takes a blank
        {"0;1;_", 0, " ", "|_"},                       // a required one does not
        {"L9;1;_", 0, "1x2", "x2|"},
        {">AA;1;_", 0, "p\xb9", "P\xa5|"},             // upper-cased: ą → Ą
        {"<aa;1;_", 0, "Q\xa5", "q\xb9|"},             // lower-cased: Ą → ą
    };
    for (const auto& c : cases) {
        EditMask mask(c.mask);
        std::size_t cursor = c.from;
        for (const char key : std::string_view(c.keys))
            if (const auto next = mask.type(cursor, key))
                cursor = *next;
        EXPECT_EQ(mask.editText().insert(cursor, "|"), c.expected) << c.mask << " " << c.keys;
    }
}

} // namespace
