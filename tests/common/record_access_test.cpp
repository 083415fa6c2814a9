#include "core/common/record_access.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The encodings every record file shares with the ledger system, byte for
// byte, over a record that starts filled with a pattern.
TEST(RecordAccess, FieldsAreShortStringsAndLittleEndianNumbers)
{
    std::vector<std::uint8_t> rec(16, 0xEE);
    const Field text{"text", 1, 5, FieldType::Str};
    const Field date{"date", 6, 4, FieldType::Date};
    const Field u16{"u16", 10, 2, FieldType::U16};
    const Field i32{"i32", 12, 4, FieldType::I32};
    setStr(rec, text, "abcdef"); // cut to its room of four
    setDate(rec, date, Date4{2004, 12, 5});
    setU16(rec, u16, 0x1234);
    setI32(rec, i32, -2);
    EXPECT_EQ(rec, (std::vector<std::uint8_t>{0xEE, 4, 'a', 'b', 'c', 'd', 0xD4, 0x07, 12, 5, 0x34, 0x12, 0xFE, 0xFF,
                                              0xFF, 0xFF}));
    EXPECT_EQ(getDate(rec, date), (Date4{2004, 12, 5}));
    EXPECT_EQ(getU16(rec, u16), 0x1234);
    EXPECT_EQ(getI32(rec, i32), -2);
    rec[1] = 200; // a damaged length reads as the room
    EXPECT_EQ(getStr(rec, text), "abcd");
}

} // namespace
