#include "core/common/account.h"

#include <cstdint>
#include <limits>

namespace {

int digitValue(char c, int base)
{
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

// Consumes a hexadecimal marker at the front of `s`; true when there was one.
bool takeHexMarker(std::string_view& s)
{
    for (const std::string_view marker : {"0x", "0X", "$", "x", "X"}) {
        if (s.starts_with(marker)) {
            s.remove_prefix(marker.size());
            return true;
        }
    }
    return false;
}

} // namespace

int AccountToInt(std::string_view text)
{
    constexpr int kInvalid = -1;
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const int base = takeHexMarker(text) ? 16 : 10;
    if (text.empty())
        return kInvalid;
    std::int64_t value = 0;
    for (const char c : text) {
        const int d = digitValue(c, base);
        if (d < 0)
            return kInvalid;
        value = value * base + d;
        if (value > std::numeric_limits<std::int32_t>::max())
            return kInvalid; // too big for a signed 32-bit number, or negative anyway
    }
    // Every negative number, and zero, is below 1.
    if (negative || value < 1)
        return kInvalid;
    return static_cast<int>(value);
}

std::string AccountText(int n)
{
    std::string digits = std::to_string(n);
    if (n >= 0 && digits.size() < 3)
        digits.insert(0, 3 - digits.size(), '0');
    return digits;
}
