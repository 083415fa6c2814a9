#pragma once
#include "core/common/date4.h"

#include <optional>
#include <string>
#include <string_view>

// Control-digit checks of the Polish numbers the forms hold, over the text as
// the operator typed it: blanks and dashes are ignored, and a NIP or a bank
// account may start with the "PL" prefix. A text with any other character,
// or a NIP or account with another country's prefix, is not judged. Texts are
// code page 1250; only ASCII characters matter.

enum class CheckVerdict {
    Incomplete, // not (yet) a number of its kind: nothing to say
    Valid,
    Wrong,
};

struct CheckResult {
    CheckVerdict verdict = CheckVerdict::Incomplete;
    std::string message; // UTF-8, for the operator; empty unless Wrong

    bool isWrong() const { return verdict == CheckVerdict::Wrong; }
};

// 10 digits, weights 6 5 7 2 3 4 5 6 7, mod 11 (a remainder of 10 is never
// valid).
CheckResult CheckNip(std::string_view typed);

// 11 digits, weights 1 3 7 9 1 3 7 9 1 3, control (10 - sum mod 10) mod 10,
// and the birth date it holds exists. With `birthDate` (a date the form
// also gives), the two must agree.
CheckResult CheckPesel(std::string_view typed, std::optional<Date4> birthDate = {});

// The birth date a PESEL's first six digits give, the century taken from
// the month (+80 the 1800s, +0 the 1900s, +20, +40, +60 the 2000s to 2200s);
// nothing when the digits give no existing date.
std::optional<Date4> PeselBirthDate(std::string_view digits);

// 9 digits (weights 8 9 2 3 4 5 6 7) or 14 (weights 2 4 8 5 0 9 7 3 6 1 2 4 8,
// its first 9 a REGON of their own); mod 11, a remainder of 10 counts as 0.
CheckResult CheckRegon(std::string_view typed);

// A field that holds either: 11 digits are a PESEL, 9 or 14 a REGON.
CheckResult CheckRegonOrPesel(std::string_view typed);

// A bank account number (NRB): 26 digits whose first two are the control
// digits; with them moved behind the rest and the country's "PL" as 2521,
// the number mod 97 is 1.
CheckResult CheckBankAccount(std::string_view typed);

// The decimal digits of a text a check judges; nothing when the text holds
// a character the check does not ignore. `prefixAllowed`: a leading "PL"
// (any case) is skipped.
std::optional<std::string> CheckedDigits(std::string_view typed, bool prefixAllowed);
