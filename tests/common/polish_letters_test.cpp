#include "common/polish_letters.h"

#include <gtest/gtest.h>

namespace {

class PolishLettersTest : public ::testing::Test {
protected:
    void TearDown() override { SetLetterMode(0); }
};

TEST_F(PolishLettersTest, Mode2ReadsMazoviaAndMode0ChangesNothing)
{
    const std::string ledger = "\x9e\x77\x69\x61\x74";
    SetLetterMode(2);
    EXPECT_EQ(LedgerText(ledger), "\x9cwiat"); // świat
    SetLetterMode(0);
    EXPECT_EQ(LedgerText(ledger), ledger);
    SetLetterMode(7); // an unknown mode keeps the tables in force
    EXPECT_EQ(LedgerText(ledger), ledger);
}

TEST_F(PolishLettersTest, EachModeReadsItsOwnCodePage)
{
    EXPECT_EQ(ToLedgerText("\xb9", 1), "\xa5"); // ą is 165 in code page 852
    EXPECT_EQ(ToLedgerText("\xb9", 2), "\x86"); // and 134 in Mazovia
    SetLetterMode(1);
    EXPECT_EQ(LedgerText("\x86\x82\x81"), "\xe6\x82\x81"); // 852: ć; é ü are no Polish letters
    SetLetterMode(2);
    EXPECT_EQ(LedgerText("\x86"), "\xb9");

    std::string letters;
    for (const PolishLetter& l : kPolishLetters)
        letters += static_cast<char>(l.cp1250);
    for (const std::uint8_t mode : {1, 2}) {
        SetLetterMode(mode);
        EXPECT_EQ(LedgerText(ToLedgerText(letters, mode)), letters) << int(mode);
    }
}

} // namespace
