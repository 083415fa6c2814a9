#include "core/common/cp1250.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1250, ConvertsPolishTextBothWaysAndEveryByteRoundTrips)
{
    const std::string utf8 = "Zażółć gęślą jaźń ŁÓDŹ Śląsk Żory Ćma Ńa Ąę";
    const std::string bytes = "Za\xbf\xf3\xb3\xe6 g\xea\x9cl\xb9 ja\x9f\xf1 "
                              "\xa3\xd3" "D\x8f \x8cl\xb9sk \xafory \xc6ma \xd1" "a \xa5\xea";
    EXPECT_EQ(cp1250::toUtf8(bytes), utf8);
    EXPECT_EQ(cp1250::fromUtf8(utf8), bytes);
    EXPECT_EQ(cp1250::toUtf8("\x80\x84\x96"), "€„–");

    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(cp1250::fromUtf8(cp1250::toUtf8(all)), all);
}

TEST(Cp1250, CharactersWithoutAByteAndBrokenUtf8BecomeQuestionMarks)
{
    const struct {
        std::string utf8;
        std::string expected;
    } cases[] = {
        {"Ω", "?"},
        {"a\xffz", "a?z"},    // not a lead byte
        {"\xc5z", "?z"},      // continuation missing
        {"\xc0\x80", "?"},    // overlong NUL
        {"😀x", "?x"},        // four bytes
    };
    for (const auto& c : cases)
        EXPECT_EQ(cp1250::fromUtf8(c.utf8), c.expected) << c.utf8;
}

TEST(Cp1250, UpperCaseKnowsTheAccentedLetters)
{
    // ą ś ź ż sit apart from their capitals; ß ÷ µ have none.
    EXPECT_EQ(cp1250::upper(std::string_view("az[{1 \xb9\x9c\x9f\xbf\xf3\xb3\xdf\xf7\xb5")),
              "AZ[{1 \xa5\x8c\x8f\xaf\xd3\xa3\xdf\xf7\xb5");
}

} // namespace
