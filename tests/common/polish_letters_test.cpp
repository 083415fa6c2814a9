#include "core/common/polish_letters.h"

#include <gtest/gtest.h>

namespace {

class PolishLettersTest : public ::testing::Test {
protected:
    void TearDown() override { SetLetterMode(0); }
};

TEST_F(PolishLettersTest, EachModeReadsItsOwnCodePageAndMode0ChangesNothing)
{
    EXPECT_EQ(ToLedgerText("\xb9", 1), "\xa5"); // ą is 165 in code page 852
    EXPECT_EQ(ToLedgerText("\xb9", 2), "\x86"); // and 134 in Mazovia
    SetLetterMode(1);
    EXPECT_EQ(LedgerText("\x86\x82\x81"), "\xe6\x82\x81"); // 852: ć; é ü are no Polish letters
    const std::string swiat = "\x9e" "wiat";
    SetLetterMode(2);
    EXPECT_EQ(LedgerText(swiat), "\x9c" "wiat"); // Mazovia: świat
    SetLetterMode(7); // an unknown mode keeps the tables in force
    EXPECT_EQ(LedgerText(swiat), "\x9c" "wiat");
    SetLetterMode(0);
    EXPECT_EQ(LedgerText(swiat), swiat);

    std::string letters;
    for (const PolishLetter& l : kPolishLetters)
        letters += static_cast<char>(l.cp1250);
    for (const std::uint8_t mode : {1, 2}) {
        SetLetterMode(mode);
        EXPECT_EQ(LedgerText(ToLedgerText(letters, mode)), letters) << int(mode);
    }
}

} // namespace
