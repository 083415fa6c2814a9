#include "core/common/checksums.h"

#include "core/common/date_text.h"

#include <array>
#include <cstddef>
#include <span>

namespace {

constexpr std::size_t kNipDigits = 10;
constexpr std::size_t kPeselDigits = 11;
constexpr std::size_t kShortRegonDigits = 9;
constexpr std::size_t kLongRegonDigits = 14;
constexpr std::size_t kAccountDigits = 26;

constexpr std::array<int, 9> kNipWeights = {6, 5, 7, 2, 3, 4, 5, 6, 7};
constexpr std::array<int, 10> kPeselWeights = {1, 3, 7, 9, 1, 3, 7, 9, 1, 3};
constexpr std::array<int, 8> kShortRegonWeights = {8, 9, 2, 3, 4, 5, 6, 7};
constexpr std::array<int, 13> kLongRegonWeights = {2, 4, 8, 5, 0, 9, 7, 3, 6, 1, 2, 4, 8};

// "PL" as an account's control computation reads it: P = 25, L = 21.
constexpr std::string_view kPolandInDigits = "2521";

// The month of a PESEL carries the century: month + offset.
struct CenturyCode {
    int monthOffset;
    int century;
};
constexpr std::array<CenturyCode, 5> kCenturies = {{{80, 1800}, {0, 1900}, {20, 2000}, {40, 2100}, {60, 2200}}};

CheckResult incomplete() { return {}; }
CheckResult valid() { return {CheckVerdict::Valid, {}}; }
CheckResult wrong(std::string message) { return {CheckVerdict::Wrong, std::move(message)}; }

int digitAt(std::string_view digits, std::size_t i) { return digits[i] - '0'; }

int weightedSum(std::string_view digits, std::span<const int> weights)
{
    int sum = 0;
    for (std::size_t i = 0; i < weights.size(); ++i)
        sum += digitAt(digits, i) * weights[i];
    return sum;
}

// The control digit of a mod 11 check whose remainder 10 counts as 0.
int mod11Control(std::string_view digits, std::span<const int> weights)
{
    return weightedSum(digits, weights) % 11 % 10;
}

bool isShortRegonValid(std::string_view digits)
{
    return mod11Control(digits, kShortRegonWeights) == digitAt(digits, kShortRegonDigits - 1);
}

bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The digits of a number of exactly `length` digits: nothing to judge while
// fewer are typed, too many are wrong.
struct Counted {
    std::optional<std::string> digits; // set when there are exactly `length`
    std::optional<CheckResult> verdict; // set when the count decides alone
};
Counted countDigits(std::string_view typed, bool prefixAllowed, std::size_t length, std::string_view tooMany)
{
    std::optional<std::string> digits = CheckedDigits(typed, prefixAllowed);
    if (!digits || digits->size() < length)
        return {{}, incomplete()};
    if (digits->size() > length)
        return {{}, wrong(std::string(tooMany))};
    return {std::move(digits), {}};
}

} // namespace

std::optional<std::string> CheckedDigits(std::string_view typed, bool prefixAllowed)
{
    const std::size_t start = typed.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return std::string();
    std::string_view rest = typed.substr(start);
    if (prefixAllowed && rest.size() >= 2 && isLetter(rest[0]) && isLetter(rest[1])) {
        if ((rest[0] != 'P' && rest[0] != 'p') || (rest[1] != 'L' && rest[1] != 'l'))
            return std::nullopt;
        rest.remove_prefix(2);
    }
    std::string digits;
    for (const char c : rest) {
        if (c >= '0' && c <= '9')
            digits += c;
        else if (c != ' ' && c != '-')
            return std::nullopt;
    }
    return digits;
}

CheckResult CheckNip(std::string_view typed)
{
    const Counted n = countDigits(typed, true, kNipDigits, "NIP ma więcej niż 10 cyfr");
    if (n.verdict)
        return *n.verdict;
    // A remainder of 10 matches no digit: such a NIP is never valid.
    if (weightedSum(*n.digits, kNipWeights) % 11 != digitAt(*n.digits, kNipDigits - 1))
        return wrong("Błędna cyfra kontrolna NIP");
    return valid();
}

std::optional<Date4> PeselBirthDate(std::string_view digits)
{
    if (digits.size() < 6)
        return std::nullopt;
    const int year = digitAt(digits, 0) * 10 + digitAt(digits, 1);
    const int codedMonth = digitAt(digits, 2) * 10 + digitAt(digits, 3);
    const int day = digitAt(digits, 4) * 10 + digitAt(digits, 5);
    for (const CenturyCode& c : kCenturies) {
        const int month = codedMonth - c.monthOffset;
        if (month < 1 || month > 12)
            continue;
        const Date4 date{static_cast<std::uint16_t>(c.century + year), static_cast<std::uint8_t>(month),
                         static_cast<std::uint8_t>(day)};
        if (DateText(date) == kEmptyDateText)
            return std::nullopt;
        return date;
    }
    return std::nullopt;
}

CheckResult CheckPesel(std::string_view typed, std::optional<Date4> birthDate)
{
    const Counted n = countDigits(typed, false, kPeselDigits, "PESEL ma więcej niż 11 cyfr");
    if (n.verdict)
        return *n.verdict;
    const std::string& digits = *n.digits;
    if ((10 - weightedSum(digits, kPeselWeights) % 10) % 10 != digitAt(digits, kPeselDigits - 1))
        return wrong("Błędna cyfra kontrolna PESEL");
    const std::optional<Date4> inPesel = PeselBirthDate(digits);
    if (!inPesel)
        return wrong("PESEL zawiera nieistniejącą datę urodzenia");
    if (birthDate && !birthDate->isZero() && *birthDate != *inPesel)
        return wrong("Data urodzenia w numerze PESEL (" + DateText(*inPesel) + ") różni się od daty urodzenia (" +
                     DateText(*birthDate) + ")");
    return valid();
}

CheckResult CheckRegon(std::string_view typed)
{
    const std::optional<std::string> digits = CheckedDigits(typed, false);
    if (!digits)
        return incomplete();
    if (digits->size() > kLongRegonDigits)
        return wrong("REGON ma więcej niż 14 cyfr");
    if (digits->size() != kShortRegonDigits && digits->size() != kLongRegonDigits)
        return incomplete();
    if (!isShortRegonValid(*digits))
        return wrong(digits->size() == kShortRegonDigits ? "Błędna cyfra kontrolna REGON"
                                                         : "Błędna cyfra kontrolna w pierwszych 9 cyfrach REGON");
    if (digits->size() == kLongRegonDigits &&
        mod11Control(*digits, kLongRegonWeights) != digitAt(*digits, kLongRegonDigits - 1))
        return wrong("Błędna cyfra kontrolna REGON");
    return valid();
}

CheckResult CheckRegonOrPesel(std::string_view typed)
{
    const std::optional<std::string> digits = CheckedDigits(typed, false);
    if (digits && digits->size() == kPeselDigits)
        return CheckPesel(typed);
    if (digits && (digits->size() == kShortRegonDigits || digits->size() == kLongRegonDigits))
        return CheckRegon(typed);
    return incomplete();
}

CheckResult CheckBankAccount(std::string_view typed)
{
    const Counted n = countDigits(typed, true, kAccountDigits, "Numer rachunku ma więcej niż 26 cyfr");
    if (n.verdict)
        return *n.verdict;
    const std::string& digits = *n.digits;
    const std::string rearranged = digits.substr(2) + std::string(kPolandInDigits) + digits.substr(0, 2);
    int remainder = 0;
    for (const char c : rearranged)
        remainder = (remainder * 10 + (c - '0')) % 97;
    if (remainder != 1)
        return wrong("Błędna cyfra kontrolna numeru rachunku");
    return valid();
}
