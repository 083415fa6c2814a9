#include "core/common/real6.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

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

TEST(Real6, OutOfRangeValuesStoreTheNearestRepresentableAndZeroExponentReadsZero)
{
    const Real6Bytes zeroExponent{0, 0x12, 0x34, 0x56, 0x78, 0x9A};
    EXPECT_EQ(Real6ToDouble(zeroExponent.data()), 0.0);
    const Real6Bytes largest{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F};
    EXPECT_EQ(encode(1e300), largest);
    EXPECT_EQ(encode(std::numeric_limits<double>::infinity()), largest);
    Real6Bytes negativeLargest = largest;
    negativeLargest[5] |= 0x80;
    EXPECT_EQ(encode(-1e300), negativeLargest);
    EXPECT_EQ(encode(1e-300), Real6Bytes{});
    EXPECT_EQ(encode(std::nan("")), Real6Bytes{});
}

} // namespace
