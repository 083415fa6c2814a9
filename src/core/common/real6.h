#pragma once
#include <cstdint>

// The ledger's 6-byte real: byte 0 the power-of-two exponent biased by 129
// (0 = the value zero), bytes 1..5 a 39-bit fraction little-endian with the
// sign in the top bit of byte 5. Value = (1 + fraction / 2^39) * 2^(exp - 129).

double Real6ToDouble(const std::uint8_t* p);

// Rounds to the nearest 6-byte real. Magnitudes below the smallest one and
// NaN store zero; magnitudes above the largest one (and infinities) store the
// largest one with their sign.
void DoubleToReal6(double value, std::uint8_t* p);
