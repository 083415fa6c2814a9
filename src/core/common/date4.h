#pragma once
#include <cstdint>

// A date as records keep it: u16 year, u8 month, u8 day; all zero = no date.
struct Date4 {
    std::uint16_t year = 0;
    std::uint8_t month = 0;
    std::uint8_t day = 0;

    bool isZero() const { return year == 0 && month == 0 && day == 0; }
    friend bool operator==(const Date4&, const Date4&) = default;
};
