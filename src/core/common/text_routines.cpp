#include "core/common/text_routines.h"

#include "core/common/cp1250.h"

#include <algorithm>
#include <iterator>

const std::array<std::string_view, 25> kEuCountries = {
    "AT", "BE", "DK", "FI", "FR", "EL", "ES", "NL", "IE", "LU", "DE", "IT", "PT",
    "SE", "GB", "CY", "CZ", "EE", "LT", "LV", "MT", "PL", "SK", "SI", "HU",
};

namespace {

char asciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

} // namespace

std::string PadLeft(std::string_view text, char fill, std::size_t width)
{
    std::string out(text);
    if (out.size() < width)
        out.insert(0, width - out.size(), fill);
    return out;
}

std::string DigitsOnly(std::string_view text)
{
    std::string out;
    std::copy_if(text.begin(), text.end(), std::back_inserter(out), [](char c) { return c >= '0' && c <= '9'; });
    return out;
}

std::string EuVatNumber(std::string_view text)
{
    std::string prefix(text.substr(0, 2));
    std::transform(prefix.begin(), prefix.end(), prefix.begin(), asciiUpper);
    const bool isEuCode = std::find(kEuCountries.begin(), kEuCountries.end(), prefix) != kEuCountries.end();
    return isEuCode ? prefix + DigitsOnly(text) : DigitsOnly(text);
}

std::string NipText(std::string_view nip, int formType)
{
    if (nip.empty())
        return {};
    constexpr std::array<std::size_t, 4> kGroups3322 = {3, 3, 2, 2};
    constexpr std::array<std::size_t, 4> kGroups3223 = {3, 2, 2, 3};
    const auto& groups = formType == 1 || formType == 3 ? kGroups3322 : kGroups3223;
    std::string out;
    std::size_t at = 0;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (g > 0)
            out += '-';
        if (at < nip.size())
            out += nip.substr(at, groups[g]);
        at += groups[g];
    }
    return out;
}

std::string NipTextWithPrefix(std::string_view nip, int formType)
{
    // A foreign VAT number may be longer than a NIP: its first ten digits
    // are grouped and the rest follows, so that no stored character is lost.
    constexpr std::size_t kGroupedDigits = 10;
    const bool hasCode = !nip.empty() && nip.front() >= 'A' && nip.front() <= 'Z';
    const std::size_t prefixLength = hasCode ? std::min<std::size_t>(2, nip.size()) : 0;
    const std::string_view digits = nip.substr(prefixLength);
    const std::size_t grouped = std::min(digits.size(), kGroupedDigits);
    return std::string(nip.substr(0, prefixLength)) + NipText(digits.substr(0, grouped), formType)
           + std::string(digits.substr(grouped));
}

std::string SpacedCapitals(std::string_view text)
{
    const std::string capitals = cp1250::upper(text);
    std::string out;
    out.reserve(capitals.size() * 2);
    for (const char c : capitals) {
        if (!out.empty())
            out += ' ';
        out += c;
    }
    return out;
}
