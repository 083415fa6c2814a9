#include "core/common/polish_letters.h"

#include <bitset>

const std::array<PolishLetter, 18> kPolishLetters = {{
    // cp1250 plain cp852 Mazovia
    {0xB9, 'a', 0xA5, 0x86}, // ą
    {0xA5, 'A', 0xA4, 0x8F}, // Ą
    {0xE6, 'c', 0x86, 0x8D}, // ć
    {0xC6, 'C', 0x8F, 0x95}, // Ć
    {0xEA, 'e', 0xA9, 0x91}, // ę
    {0xCA, 'E', 0xA8, 0x90}, // Ę
    {0xB3, 'l', 0x88, 0x92}, // ł
    {0xA3, 'L', 0x9D, 0x9C}, // Ł
    {0xF1, 'n', 0xE4, 0xA4}, // ń
    {0xD1, 'N', 0xE3, 0xA5}, // Ń
    {0xF3, 'o', 0xA2, 0xA2}, // ó
    {0xD3, 'O', 0xE0, 0xA3}, // Ó
    {0x9C, 's', 0x98, 0x9E}, // ś
    {0x8C, 'S', 0x97, 0x98}, // Ś
    {0x9F, 'z', 0xAB, 0xA6}, // ź
    {0x8F, 'Z', 0x8D, 0xA0}, // Ź
    {0xBF, 'z', 0xBE, 0xA7}, // ż
    {0xAF, 'Z', 0xBD, 0xA1}, // Ż
}};

namespace {

// The order in which a ledger byte is matched against the letters: ż and Ż
// are tried before ź and Ź.
constexpr std::array<std::size_t, 18> kTryOrder = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 16, 17, 14, 15};

unsigned char PolishLetter::*columnFor(std::uint8_t mode)
{
    switch (mode) {
    case 0: return &PolishLetter::plain;
    case 1: return &PolishLetter::cp852;
    case 2: return &PolishLetter::mazovia;
    default: return nullptr;
    }
}

// The process-wide state: which ledger bytes are Polish letters and which
// byte stands for each letter.
struct LetterTables {
    std::bitset<256> isLetter;
    std::array<unsigned char, 18> byteOf{};
};

LetterTables g_tables;

} // namespace

void SetLetterMode(std::uint8_t mode)
{
    const auto column = columnFor(mode);
    if (!column)
        return;
    g_tables.isLetter.reset();
    for (std::size_t i = 0; i < kPolishLetters.size(); ++i) {
        g_tables.byteOf[i] = kPolishLetters[i].*column;
        if (mode != 0)
            g_tables.isLetter.set(g_tables.byteOf[i]);
    }
}

std::string LedgerText(std::string_view ledgerText)
{
    std::string out(ledgerText);
    for (char& ch : out) {
        const auto b = static_cast<unsigned char>(ch);
        if (!g_tables.isLetter.test(b))
            continue;
        for (const std::size_t i : kTryOrder) {
            if (g_tables.byteOf[i] == b) {
                ch = static_cast<char>(kPolishLetters[i].cp1250);
                break;
            }
        }
    }
    return out;
}

std::string ToLedgerText(std::string_view cp1250Text, std::uint8_t mode)
{
    std::string out(cp1250Text);
    const auto column = columnFor(mode);
    if (!column || mode == 0)
        return out;
    for (char& ch : out) {
        for (const PolishLetter& letter : kPolishLetters) {
            if (static_cast<unsigned char>(ch) == letter.cp1250) {
                ch = static_cast<char>(letter.*column);
                break;
            }
        }
    }
    return out;
}
