#include "core/common/real6.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int kBias = 129;
constexpr int kFractionBits = 39;
constexpr std::uint64_t kFractionLimit = std::uint64_t{1} << kFractionBits;
constexpr std::uint8_t kSignBit = 0x80;
} // namespace

double Real6ToDouble(const std::uint8_t* p)
{
    if (p[0] == 0)
        return 0.0;
    std::uint64_t fraction = p[5] & ~kSignBit;
    for (int i = 4; i >= 1; --i)
        fraction = (fraction << 8) | p[i];
    const double magnitude = std::ldexp(1.0 + std::ldexp(double(fraction), -kFractionBits), p[0] - kBias);
    return (p[5] & kSignBit) ? -magnitude : magnitude;
}

void DoubleToReal6(double value, std::uint8_t* p)
{
    std::fill(p, p + 6, std::uint8_t{0});
    if (value == 0.0 || std::isnan(value))
        return;

    int exponent = 255;
    std::uint64_t fraction = kFractionLimit - 1;
    if (!std::isinf(value)) {
        int e2 = 0;
        const double mantissa = std::frexp(std::fabs(value), &e2); // in [0.5, 1)
        exponent = e2 - 1 + kBias;
        fraction = static_cast<std::uint64_t>(std::llround(std::ldexp(2.0 * mantissa - 1.0, kFractionBits)));
        if (fraction == kFractionLimit) {
            fraction = 0;
            ++exponent;
        }
        if (exponent < 1)
            return;
        if (exponent > 255) {
            exponent = 255;
            fraction = kFractionLimit - 1;
        }
    }
    p[0] = static_cast<std::uint8_t>(exponent);
    for (int i = 1; i <= 5; ++i, fraction >>= 8)
        p[i] = static_cast<std::uint8_t>(fraction & 0xff);
    if (std::signbit(value))
        p[5] |= kSignBit;
}
