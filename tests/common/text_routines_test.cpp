#include "common/text_routines.h"

#include <gtest/gtest.h>

namespace {

struct NipCase {
    const char* nip;
    int formType;
    const char* expected;
};

TEST(NipText, GroupsByFormType)
{
    const NipCase cases[] = {
        {"1234567890", 1, "123-456-78-90"},
        {"1234567890", 3, "123-456-78-90"},
        {"1234567890", 2, "123-45-67-890"},
        {"1234567890", 10, "123-45-67-890"},
        {"", 1, ""},
        {"12345", 1, "123-45--"},
        {"12345", 2, "123-45--"},
        {"123456789012", 1, "123-456-78-90"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NipText(c.nip, c.formType), c.expected) << c.nip << " type " << c.formType;
}

TEST(NipTextWithPrefix, KeepsTheCountryPrefixInFront)
{
    const NipCase cases[] = {
        {"PL1234567890", 2, "PL123-45-67-890"},
        {"PL1234567890", 1, "PL123-456-78-90"},
        {"1234567890", 2, "123-45-67-890"},
        {"pl1234567890", 2, "pl1-23-45-678"},
        {"PL", 2, "PL"},
        {"P", 2, "P"},
        {"", 2, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NipTextWithPrefix(c.nip, c.formType), c.expected) << c.nip << " type " << c.formType;
}

TEST(EuVatNumber, KeepsOnlyAnEuCountryPrefix)
{
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"de 123.456", "DE123456"},
        {"XX12", "12"},
        {"pl-111", "PL111"},
        {"EL123", "EL123"},
        {"GR123", "123"},
        {"hu9", "HU9"},
        {"at", "AT"},
        {"12-34", "1234"},
        {"p", ""},
        {"", ""},
        {"\xb9" "a1", "1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EuVatNumber(c.text), c.expected) << c.text;
}

TEST(TextRoutines, PadLeftAndDigitsOnly)
{
    EXPECT_EQ(PadLeft("7", '0', 3), "007");
    EXPECT_EQ(PadLeft("1234", '0', 3), "1234");
    EXPECT_EQ(PadLeft("", ' ', 2), "  ");
    EXPECT_EQ(DigitsOnly("a1-2 3.4\xb9" "5"), "12345");
    EXPECT_EQ(DigitsOnly("abc"), "");
}

TEST(SpacedCapitals, UpperCasesAndSpacesOut)
{
    EXPECT_EQ(SpacedCapitals("\xb9" "b"), "\xa5 B"); // ąb → Ą B
    EXPECT_EQ(SpacedCapitals("abc"), "A B C");
    EXPECT_EQ(SpacedCapitals("x"), "X");
    EXPECT_EQ(SpacedCapitals(""), "");
    EXPECT_EQ(SpacedCapitals("a 1"), "A   1");
}

} // namespace
