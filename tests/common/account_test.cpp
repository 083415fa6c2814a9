#include "core/common/account.h"

#include <gtest/gtest.h>

namespace {

TEST(Account, TextToIntTakesPositiveNumbersOnlyAndIntToTextPads)
{
    const struct {
        const char* text;
        int expected;
    } cases[] = {
        {"007", 7}, {"  12", 12}, {"12 ", -1}, {"0", -1}, {"-3", -1}, {"", -1}, {"    ", -1}, {"1a", -1},
        {"+5", 5}, {"$1F", 31}, {"0x1f", 31}, {"X10", 16}, {"0x", -1}, {"\t5", -1},
        {"2147483647", 2147483647}, {"2147483648", -1}, {"$80000000", -1}, {"99999999999999999999", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AccountToInt(c.text), c.expected) << '"' << c.text << '"';
    EXPECT_EQ(AccountText(7), "007");
    EXPECT_EQ(AccountText(12345678), "12345678");
}

} // namespace
