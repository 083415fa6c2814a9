#include "common/cp1250.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1250, EveryByteSurvivesTheRoundTripThroughUtf8)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(cp1250::fromUtf8(cp1250::toUtf8(all)), all);
}

TEST(Cp1250, ConvertsPolishTextBothWays)
{
    const std::string utf8 = "Zażółć gęślą jaźń ŁÓDŹ Śląsk Żory Ćma Ńa Ąę";
    const std::string bytes = "Za\xbf\xf3\xb3\xe6 g\xea\x9cl\xb9 ja\x9f\xf1 "
                              "\xa3\xd3" "D\x8f \x8cl\xb9sk \xafory \xc6ma \xd1" "a \xa5\xea";
    EXPECT_EQ(cp1250::toUtf8(bytes), utf8);
    EXPECT_EQ(cp1250::fromUtf8(utf8), bytes);
    EXPECT_EQ(cp1250::toUtf8("\x80\x84\x96"), "€„–");
}

TEST(Cp1250, CharactersWithoutAByteAndBrokenUtf8BecomeQuestionMarks)
{
    const struct {
        std::string utf8;
        std::string expected;
    } cases[] = {
        {"Ω", "?"},
        {"a\xffz", "a?z"},          // not a lead byte
        {"\xc5", "?"},               // sequence cut short
        {"\xc5z", "?z"},             // continuation missing
        {"\xc0\x80", "?"},           // overlong NUL
        {"😀x", "?x"},               // four bytes
    };
    for (const auto& c : cases)
        EXPECT_EQ(cp1250::fromUtf8(c.utf8), c.expected) << c.utf8;
}

TEST(Cp1250, UpperCaseKnowsTheAccentedLetters)
{
    const struct {
        unsigned char lower;
        unsigned char upper;
    } cases[] = {
        {'a', 'A'}, {'z', 'Z'}, {'A', 'A'}, {'1', '1'}, {'[', '['}, {'{', '{'},
        {0xB9, 0xA5}, {0xE6, 0xC6}, {0xEA, 0xCA}, {0xB3, 0xA3}, {0xF1, 0xD1}, // ą ć ę ł ń
        {0xF3, 0xD3}, {0x9C, 0x8C}, {0x9F, 0x8F}, {0xBF, 0xAF},               // ó ś ź ż
        {0x9A, 0x8A}, {0x9E, 0x8E}, {0xBE, 0xBC}, {0xBA, 0xAA},               // š ž ľ ş
        {0xE4, 0xC4}, {0xE9, 0xC9}, {0xFE, 0xDE},                             // ä é ţ
        {0xDF, 0xDF}, {0xF7, 0xF7}, {0xFF, 0xFF}, {0xB5, 0xB5}, {0xA5, 0xA5}, // ß ÷ ˙ µ Ą stay
    };
    for (const auto& c : cases)
        EXPECT_EQ(cp1250::upper(c.lower), c.upper) << int(c.lower);
    EXPECT_EQ(cp1250::upper(std::string_view("\xbf\xf3\xb3w ab")), "\xaf\xd3\xa3W AB");
}

} // namespace
