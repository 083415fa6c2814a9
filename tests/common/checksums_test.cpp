#include "core/common/checksums.h"

#include <gtest/gtest.h>

namespace {

constexpr auto Valid = CheckVerdict::Valid;
constexpr auto Wrong = CheckVerdict::Wrong;
constexpr auto Incomplete = CheckVerdict::Incomplete;

CheckResult pesel(std::string_view typed) { return CheckPesel(typed); }

// Each number as typed, and with the faults a typist makes: a digit changed,
// two digits swapped, one too many or too few.
TEST(Checksums, JudgeEveryNumberAsTyped)
{
    // The message is checked where given; a Wrong verdict always has one.
    using Check = CheckResult (*)(std::string_view);
    const struct { Check check; const char* typed; CheckVerdict verdict; const char* message = nullptr; } cases[] = {
        {CheckNip, "5260250274", Valid}, {CheckNip, "526-025-02-74", Valid}, {CheckNip, "pl 526 025 02 74 ", Valid},
        {CheckNip, "5260250275", Wrong, "Błędna cyfra kontrolna NIP"}, {CheckNip, "5620250274", Wrong},
        {CheckNip, "5260000070", Wrong}, // remainder 10: no control digit fits
        {CheckNip, "52602502741", Wrong}, {CheckNip, "526025027", Incomplete}, {CheckNip, "   -   -  -  ", Incomplete},
        {CheckNip, "DE5260250274", Incomplete}, {CheckNip, "526O250274", Incomplete},
        {pesel, "44051401359", Valid}, {pesel, "44051401358", Wrong, "Błędna cyfra kontrolna PESEL"},
        {pesel, "44051401395", Wrong}, {pesel, "44023000003", Wrong, "PESEL zawiera nieistniejącą datę urodzenia"},
        {pesel, "00022900003", Wrong}, {pesel, "00222900009", Valid}, // 29 February 1900 and 2000
        {pesel, "44130100007", Wrong}, // month 13 is no century's
        {pesel, "440514013591", Wrong}, {pesel, "4405140135", Incomplete}, {pesel, "PL44051401359", Incomplete},
        {CheckRegon, "123456785", Valid}, {CheckRegon, "123456786", Wrong, "Błędna cyfra kontrolna REGON"},
        {CheckRegon, "213456785", Wrong}, {CheckRegon, "12345678512347", Valid}, {CheckRegon, "12345678512348", Wrong},
        {CheckRegon, "12345678612342", Wrong, "Błędna cyfra kontrolna w pierwszych 9 cyfrach REGON"},
        {CheckRegon, "1234567851234", Incomplete}, {CheckRegon, "123456785123470", Wrong},
        {CheckRegonOrPesel, "44051401358", Wrong, "Błędna cyfra kontrolna PESEL"},
        {CheckRegonOrPesel, "123456786", Wrong, "Błędna cyfra kontrolna REGON"},
        {CheckRegonOrPesel, "1234567851", Incomplete},
        {CheckBankAccount, "61109010140000071219812874", Valid},
        {CheckBankAccount, "PL61 1090 1014 0000 0712 1981 2874", Valid},
        {CheckBankAccount, "61109010140000071219812875", Wrong, "Błędna cyfra kontrolna numeru rachunku"},
        {CheckBankAccount, "16109010140000071219812874", Wrong}, // control digits swapped
        {CheckBankAccount, "61109010140000071219818274", Wrong},
        {CheckBankAccount, "611090101400000712198128740", Wrong},
        {CheckBankAccount, "6110901014000007121981287", Incomplete},
        {CheckBankAccount, "DE89 3704 0044 0532 0130 00", Incomplete},
    };
    for (const auto& c : cases) {
        const CheckResult r = c.check(c.typed);
        EXPECT_EQ(r.verdict, c.verdict) << c.typed << ": " << r.message;
        EXPECT_EQ(r.message.empty(), c.verdict != Wrong) << c.typed;
        if (c.message) { EXPECT_EQ(r.message, c.message) << c.typed; }
    }
}

} // namespace
