// The program's texts: code page 1250 and the ledger's code pages, account
// numbers, dates and NIP groupings.
#include "core/common/account.h"
#include "core/common/cp1250.h"
#include "core/common/date_text.h"
#include "core/common/polish_letters.h"
#include "core/common/text_routines.h"

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

    EXPECT_EQ(cp1250::fromUtf8("aΩ😀\xff"), "a???"); // no byte for it, or broken UTF-8

    // ą ś ź ż sit apart from their capitals; ß ÷ µ have none.
    EXPECT_EQ(cp1250::upper(std::string_view("az[{1 \xb9\x9c\x9f\xbf\xf3\xb3\xdf\xf7\xb5")),
              "AZ[{1 \xa5\x8c\x8f\xaf\xd3\xa3\xdf\xf7\xb5");
}

TEST(PolishLetters, EachModeReadsItsOwnCodePageAndMode0ChangesNothing)
{
    EXPECT_EQ(ToLedgerText("\xb9", 1), "\xa5"); // ą is 165 in code page 852
    EXPECT_EQ(ToLedgerText("\xb9", 2), "\x86"); // and 134 in Mazovia
    // 852: ć, where é ü are no Polish letters; Mazovia: świat; an unknown mode keeps the tables in force.
    for (const auto& [mode, read, text] : {std::tuple{1, "\x86\x82\x81", "\xe6\x82\x81"}, {2, "\x9ewiat", "\x9cwiat"},
                                           {7, "\x9ewiat", "\x9cwiat"}, {0, "\x9ewiat", "\x9ewiat"}}) {
        SetLetterMode(mode);
        EXPECT_EQ(LedgerText(read), text) << mode;
    }
}

TEST(Account, TextToIntTakesPositiveNumbersOnlyAndIntToTextPads)
{
    const std::pair<const char*, int> cases[] = {
        {"007", 7}, {"  12", 12}, {"12 ", -1}, {"0", -1}, {"-3", -1}, {"", -1}, {"    ", -1}, {"1a", -1},
        {"+5", 5}, {"$1F", 31}, {"0x1f", 31}, {"X10", 16}, {"0x", -1}, {"\t5", -1},
        {"2147483647", 2147483647}, {"2147483648", -1}, {"$80000000", -1}, {"99999999999999999999", -1},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(AccountToInt(text), expected) << '"' << text << '"';
    EXPECT_EQ(AccountText(7), "007");
    EXPECT_EQ(AccountText(12345678), "12345678");
}

TEST(NipText, GroupsByFormTypeAndKeepsACountryPrefix)
{
    const struct { const char *nip; int formType; const char *expected, *withPrefix; } cases[] = {
        {"1234567890", 1, "123-456-78-90", "123-456-78-90"}, {"1234567890", 2, "123-45-67-890", "123-45-67-890"},
        {"1234567890", 3, "123-456-78-90", "123-456-78-90"}, {"PL1234567890", 2, "PL1-23-45-678", "PL123-45-67-890"},
        {"pl1234567890", 2, "pl1-23-45-678", "pl1-23-45-67890"}, {"12345", 2, "123-45--", "123-45--"},
        {"123456789012", 1, "123-456-78-90", "123-456-78-9012"}, {"P", 2, "P---", "P"}, {"", 1, "", ""},
        {"FR12345678901", 1, "FR1-234-56-78", "FR123-456-78-901"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NipText(c.nip, c.formType), c.expected) << c.nip << " type " << c.formType;
        EXPECT_EQ(NipTextWithPrefix(c.nip, c.formType), c.withPrefix) << c.nip << " type " << c.formType;
    }
}

TEST(DateText, ShowsAndReadsExistingDatesOnly)
{
    const Date4 none{};
    const struct { Date4 date; const char* text; } shown[] = {
        {{2004, 12, 5}, "05-12-2004"}, {{2004, 2, 29}, "29-02-2004"}, {{2000, 2, 29}, "29-02-2000"},
        {{812, 1, 31}, "31-01-0812"},  {{2004, 2, 30}, "  -  -    "}, {{1900, 2, 29}, "  -  -    "},
        {{2004, 13, 1}, "  -  -    "}, {{2004, 4, 31}, "  -  -    "}, {{2004, 4, 0}, "  -  -    "},
        {{0, 5, 5}, "  -  -    "},
    };
    for (const auto& c : shown)
        EXPECT_EQ(DateText(c.date), c.text) << c.date.year << '-' << int(c.date.month) << '-' << int(c.date.day);

    const struct { const char* text; Date4 date; } read[] = {
        {"05-12-2004", {2004, 12, 5}}, {" 5- 1-2004", {2004, 1, 5}}, {"05-12-2004  ", {2004, 12, 5}},
        {"29-02-2024", {2024, 2, 29}}, {"31-12-9999", {9999, 12, 31}}, {"31-02-2004", none}, {"29-02-2003", none},
        {"  -  -    ", none}, {"05-12-04", none}, {"2004-12-05", none}, {"05-12-2004-1", none}, {"00-12-2004", none},
        {"01-01-0000", none}, {"05-1 2-2004", none},
    };
    for (const auto& c : read)
        EXPECT_EQ(TextToDate(c.text), c.date) << '"' << c.text << '"';
}

} // namespace
