#include "core/common/date_text.h"

#include "core/common/messages.h"

#include <array>
#include <cstdio>
#include <optional>

const char* const kEmptyDateText = "  -  -    ";

namespace {

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

bool exists(int year, int month, int day)
{
    constexpr std::array<int, 12> kDaysInMonth = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1)
        return false;
    const int days = kDaysInMonth[month - 1] + (month == 2 && isLeapYear(year) ? 1 : 0);
    return day <= days;
}

std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

// A number of minDigits to maxDigits decimal digits, blanks around it allowed.
std::optional<int> number(std::string_view part, std::size_t minDigits, std::size_t maxDigits)
{
    part = trimBlanks(part);
    if (part.size() < minDigits || part.size() > maxDigits)
        return std::nullopt;
    int value = 0;
    for (const char c : part) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

std::string DateText(Date4 date)
{
    if (!exists(date.year, date.month, date.day))
        return kEmptyDateText;
    char text[16];
    std::snprintf(text, sizeof text, "%02d-%02d-%04d", date.day, date.month, date.year);
    return text;
}

Date4 TextToDate(std::string_view text)
{
    const std::size_t first = text.find('-');
    const std::size_t second = first == std::string_view::npos ? first : text.find('-', first + 1);
    if (second == std::string_view::npos)
        return {};
    const auto day = number(text.substr(0, first), 1, 2);
    const auto month = number(text.substr(first + 1, second - first - 1), 1, 2);
    const auto year = number(text.substr(second + 1), 4, 4);
    if (!day || !month || !year || !exists(*year, *month, *day))
        return {};
    return Date4{static_cast<std::uint16_t>(*year), static_cast<std::uint8_t>(*month),
                 static_cast<std::uint8_t>(*day)};
}

int IsValidDate(std::string_view text, Messenger& messenger)
{
    if (!TextToDate(text).isZero())
        return 1;
    messenger.inform("Niepoprawna data");
    return 0;
}
