#include "common/account.h"

#include <gtest/gtest.h>

namespace {

TEST(AccountToInt, ParsesPositiveNumbersOnly)
{
    const struct {
        const char* text;
        int expected;
    } cases[] = {
        {"007", 7},
        {"  12", 12},
        {"12 ", -1},
        {"0", -1},
        {"-3", -1},
        {"", -1},
        {"    ", -1},
        {"1a", -1},
        {"+5", 5},
        {"-0", -1},
        {"$1F", 31},
        {"x10", 16},
        {"X10", 16},
        {"0x1f", 31},
        {"0X1F", 31},
        {" -$1", -1},
        {"$", -1},
        {"0x", -1},
        {"1 2", -1},
        {"\t5", -1},
        {"12g", -1},
        {"2147483647", 2147483647},
        {"2147483648", -1},
        {"$7FFFFFFF", 2147483647},
        {"$80000000", -1},
        {"99999999999999999999", -1},
        {"-2147483648", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AccountToInt(c.text), c.expected) << '"' << c.text << '"';
}

TEST(AccountText, PadsToThreeDigits)
{
    EXPECT_EQ(AccountText(7), "007");
    EXPECT_EQ(AccountText(42), "042");
    EXPECT_EQ(AccountText(123), "123");
    EXPECT_EQ(AccountText(12345678), "12345678");
    EXPECT_EQ(AccountToInt(AccountText(9)), 9);
}

} // namespace
