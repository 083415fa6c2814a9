#include "core/common/text_routines.h"

#include <gtest/gtest.h>

namespace {

TEST(NipText, GroupsByFormTypeAndKeepsACountryPrefix)
{
    const struct {
        const char* nip;
        int formType;
        const char* expected;
        const char* withPrefix;
    } cases[] = {
        {"1234567890", 1, "123-456-78-90", "123-456-78-90"},
        {"1234567890", 2, "123-45-67-890", "123-45-67-890"},
        {"1234567890", 3, "123-456-78-90", "123-456-78-90"},
        {"PL1234567890", 2, "PL1-23-45-678", "PL123-45-67-890"},
        {"pl1234567890", 2, "pl1-23-45-678", "pl1-23-45-67890"},
        {"12345", 2, "123-45--", "123-45--"},
        {"123456789012", 1, "123-456-78-90", "123-456-78-9012"},
        {"FR12345678901", 1, "FR1-234-56-78", "FR123-456-78-901"},
        {"P", 2, "P---", "P"},
        {"", 1, "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NipText(c.nip, c.formType), c.expected) << c.nip << " type " << c.formType;
        EXPECT_EQ(NipTextWithPrefix(c.nip, c.formType), c.withPrefix) << c.nip << " type " << c.formType;
    }
}

TEST(EuVatNumber, KeepsOnlyAnEuCountryPrefix)
{
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"de 123.456", "DE123456"}, {"XX12", "12"}, {"pl-111", "PL111"}, {"EL123", "EL123"},
        {"GR123", "123"},           {"at", "AT"},   {"p", ""},           {"\xb9" "a1", "1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EuVatNumber(c.text), c.expected) << c.text;
}

TEST(TextRoutines, PadLeftDigitsOnlyAndSpacedCapitals)
{
    EXPECT_EQ(PadLeft("7", '0', 3), "007");
    EXPECT_EQ(PadLeft("1234", '0', 3), "1234");
    EXPECT_EQ(DigitsOnly("a1-2 3.4\xb9" "5"), "12345");
    EXPECT_EQ(SpacedCapitals("\xb9" "b"), "\xa5 B"); // ąb → Ą B
    EXPECT_EQ(SpacedCapitals("a 1"), "A   1");
    EXPECT_EQ(SpacedCapitals(""), "");
}

} // namespace
