#include "core/common/real6.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

using Real6Bytes = std::array<std::uint8_t, 6>;

Real6Bytes encode(double v)
{
    Real6Bytes b{};
    DoubleToReal6(v, b.data());
    return b;
}

TEST(Real6, KnownEncodingsBothWays)
{
    struct Case {
        double value;
        Real6Bytes bytes;
    };
    const Case cases[] = {
        {3.0, {0x82, 0, 0, 0, 0, 0x40}},
        {5.5, {0x83, 0, 0, 0, 0, 0x30}},
        {8.5, {0x84, 0, 0, 0, 0, 0x08}},
        {1.0, {0x81, 0, 0, 0, 0, 0x00}},
        {-1.0, {0x81, 0, 0, 0, 0, 0x80}},
        {-12.375, {0x84, 0, 0, 0, 0, 0x80 | 0x46}},
        {0.0, {0, 0, 0, 0, 0, 0}},
        {1.0 + std::ldexp(1.0, -39), {0x81, 1, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(encode(c.value), c.bytes) << c.value;
        EXPECT_EQ(Real6ToDouble(c.bytes.data()), c.value) << c.value;
    }
}

TEST(Real6, RoundsToTheNearestValueCarryingIntoTheExponent)
{
    const double third = 1.0 / 3.0;
    EXPECT_NEAR(Real6ToDouble(encode(third).data()), third, std::ldexp(third, -39));
    EXPECT_EQ(encode(2.0 - std::ldexp(1.0, -45)), encode(2.0));
}

} // namespace
