#pragma once
#include <string>
#include <string_view>

// Account numbers: a positive integer, at once the taxpayer's ledger account
// and the record's index, kept in records as text.

// The number of an account text, or -1 when the text is no positive number.
// Accepts leading blanks, a sign, decimal digits or hexadecimal digits after
// "$", "x", "X", "0x" or "0X"; nothing may follow the digits.
int AccountToInt(std::string_view text);

// The account text of a number: its digits, padded with '0' to at least
// three characters (7 → "007").
std::string AccountText(int n);
