#include "core/common/checksums.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Check = std::function<CheckResult(std::string_view)>;

struct Case {
    const char* typed;
    CheckVerdict expected;
};

void expectVerdicts(const Check& check, std::initializer_list<Case> cases)
{
    for (const Case& c : cases) {
        const CheckResult r = check(c.typed);
        EXPECT_EQ(r.verdict, c.expected) << '"' << c.typed << "\": " << r.message;
        EXPECT_EQ(r.message.empty(), c.expected != CheckVerdict::Wrong) << c.typed;
    }
}

constexpr auto Valid = CheckVerdict::Valid;
constexpr auto Wrong = CheckVerdict::Wrong;
constexpr auto Incomplete = CheckVerdict::Incomplete;

TEST(CheckNip, JudgesTheControlDigitOfTenDigits)
{
    expectVerdicts(CheckNip, {
        {"5260250274", Valid}, {"526-025-02-74", Valid}, {"pl 526 025 02 74 ", Valid}, // a ministry's, as typed
        {"5260250275", Wrong},    // last digit changed
        {"5620250274", Wrong},    // first two swapped
        {"5260000070", Wrong},    // remainder 10: no control digit fits
        {"52602502741", Wrong},   // eleven digits
        {"526025027", Incomplete}, {"   -   -  -  ", Incomplete},
        {"DE5260250274", Incomplete}, // another country's number
        {"526O250274", Incomplete},   // a letter among the digits
    });
    EXPECT_EQ(CheckNip("5260250275").message, "Błędna cyfra kontrolna NIP");
}

TEST(CheckPesel, JudgesControlDigitAndBirthDate)
{
    expectVerdicts([](std::string_view t) { return CheckPesel(t); },
                   {
                       {"44051401359", Valid}, // the usual example: 14-05-1944
                       {"44051401358", Wrong}, // control digit changed
                       {"44051401395", Wrong}, // last two swapped
                       {"44023000003", Wrong}, // right control digit, 30 February
                       {"00022900003", Wrong}, // 29 February 1900
                       {"00222900009", Valid}, // 29 February 2000
                       {"44130100007", Wrong}, // month 13 is no century's
                       {"440514013591", Wrong}, {"4405140135", Incomplete}, {"PL44051401359", Incomplete},
                   });
    EXPECT_EQ(CheckPesel("44051401358").message, "Błędna cyfra kontrolna PESEL");
    EXPECT_EQ(CheckPesel("44023000003").message, "PESEL zawiera nieistniejącą datę urodzenia");
}

TEST(CheckPesel, MonthCarriesTheCentury)
{
    const struct {
        const char* pesel;
        Date4 born;
    } cases[] = {
        {"99810100006", {1899, 1, 1}}, {"99010100002", {1999, 1, 1}}, {"99210100008", {2099, 1, 1}},
        {"99410100004", {2199, 1, 1}}, {"99610100000", {2299, 1, 1}}, {"02923100007", {1802, 12, 31}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CheckPesel(c.pesel).verdict, Valid) << c.pesel;
        EXPECT_EQ(PeselBirthDate(c.pesel), c.born) << c.pesel;
    }
}

TEST(CheckPesel, MustAgreeWithTheBirthDateGiven)
{
    EXPECT_EQ(CheckPesel("44051401359", Date4{1944, 5, 14}).verdict, Valid);
    const CheckResult other = CheckPesel("44051401359", Date4{2044, 5, 14});
    EXPECT_EQ(other.verdict, Wrong);
    EXPECT_EQ(other.message, "Data urodzenia w numerze PESEL (14-05-1944) różni się od daty urodzenia (14-05-2044)");
    // No date given: nothing to compare.
    EXPECT_EQ(CheckPesel("44051401359", Date4{}).verdict, Valid);
    // A wrong control digit is reported first.
    EXPECT_EQ(CheckPesel("44051401358", Date4{2000, 1, 1}).message, "Błędna cyfra kontrolna PESEL");
}

TEST(CheckRegon, JudgesNineAndFourteenDigits)
{
    expectVerdicts(CheckRegon, {
        {"123456785", Valid}, {"123456786", Wrong}, {"213456785", Wrong}, // changed, first two swapped
        {"12345678512347", Valid}, {"12345678512348", Wrong},
        {"12345678612342", Wrong}, // its own control right, the first nine wrong
        {"1234567851234", Incomplete}, {"1234567", Incomplete}, {"123456785123470", Wrong},
    });
    EXPECT_EQ(CheckRegon("12345678512348").message, "Błędna cyfra kontrolna REGON");
    EXPECT_EQ(CheckRegon("12345678612342").message, "Błędna cyfra kontrolna w pierwszych 9 cyfrach REGON");
    // A box that takes either goes by the count.
    EXPECT_EQ(CheckRegonOrPesel("44051401358").message, "Błędna cyfra kontrolna PESEL");
    EXPECT_EQ(CheckRegonOrPesel("123456786").message, "Błędna cyfra kontrolna REGON");
    EXPECT_EQ(CheckRegonOrPesel("1234567851").verdict, Incomplete);
}

TEST(CheckBankAccount, JudgesTwentySixDigitsModulo97)
{
    expectVerdicts(CheckBankAccount, {
        {"61109010140000071219812874", Valid}, {"PL61 1090 1014 0000 0712 1981 2874", Valid},
        {"61109010140000071219812875", Wrong}, // last digit changed
        {"16109010140000071219812874", Wrong}, // control digits swapped
        {"61109010140000071219818274", Wrong}, // two inner digits swapped
        {"611090101400000712198128740", Wrong}, {"6110901014000007121981287", Incomplete},
        {"DE89 3704 0044 0532 0130 00", Incomplete},
    });
    EXPECT_EQ(CheckBankAccount("61109010140000071219812875").message, "Błędna cyfra kontrolna numeru rachunku");
}

} // namespace
