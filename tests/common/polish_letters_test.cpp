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
    EXPECT_EQ(LedgerText(""), "");
    SetLetterMode(0);
    EXPECT_EQ(LedgerText(ledger), ledger);
}

TEST_F(PolishLettersTest, EveryLetterRoundTripsInBothCodePages)
{
    std::string letters;
    for (const PolishLetter& l : kPolishLetters)
        letters += static_cast<char>(l.cp1250);
    for (const std::uint8_t mode : {1, 2}) {
        SetLetterMode(mode);
        const std::string ledger = ToLedgerText(letters, mode);
        EXPECT_NE(ledger, letters);
        EXPECT_EQ(LedgerText(ledger), letters) << int(mode);
        EXPECT_EQ(LedgerText("plain text 123"), "plain text 123");
    }
}

TEST_F(PolishLettersTest, ModesPickTheirCodePage)
{
    EXPECT_EQ(ToLedgerText("\xb9", 1), "\xa5"); // ą is 165 in code page 852
    EXPECT_EQ(ToLedgerText("\xb9", 2), "\x86"); // and 134 in Mazovia
    EXPECT_EQ(ToLedgerText("\xb9\x9c", 0), "\xb9\x9c");
    // Code page 852 byte 0x86 is ć, so the modes read the same byte differently.
    SetLetterMode(1);
    EXPECT_EQ(LedgerText("\x86"), "\xe6");
    SetLetterMode(2);
    EXPECT_EQ(LedgerText("\x86"), "\xb9");
}

TEST_F(PolishLettersTest, UnknownModeKeepsThePreviousTables)
{
    SetLetterMode(2);
    SetLetterMode(3);
    EXPECT_EQ(LedgerText("\x9e"), "\x9c");
    SetLetterMode(0);
    SetLetterMode(7);
    EXPECT_EQ(LedgerText("\x9e"), "\x9e");
}

TEST_F(PolishLettersTest, OtherBytesOfTheLedgerCodePagePassUnchanged)
{
    SetLetterMode(1);
    EXPECT_EQ(LedgerText("\x82\x81\xb9"), "\x82\x81\xb9"); // é ü ╣ in code page 852 are no Polish letters
}

} // namespace
