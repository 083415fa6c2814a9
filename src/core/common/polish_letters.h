#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The Polish letters of the ledger's texts. The ledger keeps its texts in
// the code page its parameter record names (the Polish-letter mode):
// 0 code page 1250 (no conversion), 1 code page 852, 2 Mazovia.

struct PolishLetter {
    unsigned char cp1250;
    unsigned char plain;   // the letter without its mark, what mode 0 records
    unsigned char cp852;
    unsigned char mazovia;
};

// ą Ą ć Ć ę Ę ł Ł ń Ń ó Ó ś Ś ź Ź ż Ż, in this order.
extern const std::array<PolishLetter, 18> kPolishLetters;

// Prepares the conversion for a Polish-letter mode; a mode of 3 or more
// leaves the previous tables in force.
void SetLetterMode(std::uint8_t mode);

// A ledger text in the ledger's code page → code page 1250, with the tables
// of the last SetLetterMode.
std::string LedgerText(std::string_view ledgerText);

// The reverse, for writing ledger sample data: code page 1250 → the code
// page of `mode`. Mode 0 (and any unknown mode) leaves the text unchanged.
std::string ToLedgerText(std::string_view cp1250Text, std::uint8_t mode);
