#include "core/common/polish_order.h"

#include "core/common/cp1250.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

struct LetterAfter {
    unsigned char capital; // code page 1250
    unsigned char base;
    std::uint16_t rank;    // position after the base letter
};
constexpr std::array<LetterAfter, 9> kPolishCapitals = {{
    {0xA5, 'A', 1}, // Ą
    {0xC6, 'C', 1}, // Ć
    {0xCA, 'E', 1}, // Ę
    {0xA3, 'L', 1}, // Ł
    {0xD1, 'N', 1}, // Ń
    {0xD3, 'O', 1}, // Ó
    {0x8C, 'S', 1}, // Ś
    {0x8F, 'Z', 1}, // Ź
    {0xAF, 'Z', 2}, // Ż
}};

// Every byte keeps its place, spread out so that the Polish capitals fit in
// right behind their base letters.
std::array<std::uint16_t, 256> makeWeights()
{
    std::array<std::uint16_t, 256> w{};
    for (int c = 0; c < 256; ++c) {
        const unsigned char capital = cp1250::upper(static_cast<unsigned char>(c));
        w[c] = static_cast<std::uint16_t>(capital * 4);
        for (const LetterAfter& p : kPolishCapitals)
            if (capital == p.capital)
                w[c] = static_cast<std::uint16_t>(p.base * 4 + p.rank);
    }
    return w;
}

} // namespace

bool PolishLess(std::string_view a, std::string_view b)
{
    static const std::array<std::uint16_t, 256> kWeights = makeWeights();
    const auto weightLess = [](char x, char y) {
        return kWeights[static_cast<unsigned char>(x)] < kWeights[static_cast<unsigned char>(y)];
    };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), weightLess))
        return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), weightLess))
        return false;
    return a < b;
}
