#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// Small text routines over code page 1250 byte strings.

// The country codes of VAT-EU numbers.
extern const std::array<std::string_view, 25> kEuCountries;

// Puts `fill` in front of the text until it is `width` characters long.
std::string PadLeft(std::string_view text, char fill, std::size_t width);

// The decimal digits of the text, in their order.
std::string DigitsOnly(std::string_view text);

// The VAT-EU number to store for what the operator typed: its digits,
// preceded by the first two characters upper-cased when they are an EU
// country code ("de 123.456" → "DE123456", "XX12" → "12").
std::string EuVatNumber(std::string_view text);

// The NIP with dashes: 3-3-2-2 for form types 1 and 3, 3-2-2-3 for the
// others. The NIP is not checked; characters past its end are just missing.
std::string NipText(std::string_view nip, int formType);

// As NipText, but a NIP that starts with a capital A-Z keeps its first two
// characters as a country prefix in front ("PL1234567890" → "PL123-45-67-890"),
// and the characters past the ten grouped ones follow ("FR12345678901" →
// "FR123-456-78-901"): a foreign VAT number is shown and printed whole.
std::string NipTextWithPrefix(std::string_view nip, int formType);

// Upper case (code page aware) with one blank between characters: "ąb" → "Ą B".
std::string SpacedCapitals(std::string_view text);
