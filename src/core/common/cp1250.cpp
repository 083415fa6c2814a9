#include "core/common/cp1250.h"

#include <array>
#include <cstdint>

namespace cp1250 {
namespace {

// Unicode code points of the bytes 0x80 to 0xFF. The five bytes the code
// page leaves undefined map to the C1 control of the same number, so that
// any byte string survives a round trip.
constexpr std::array<char32_t, 128> kHighHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, // F8
};

// Small letters of the high half whose capital is not 0x20 below them.
struct CasePair {
    unsigned char lower;
    unsigned char upper;
};
constexpr std::array<CasePair, 10> kIrregularCases = {{
    {0x9A, 0x8A}, // š Š
    {0x9C, 0x8C}, // ś Ś
    {0x9D, 0x8D}, // ť Ť
    {0x9E, 0x8E}, // ž Ž
    {0x9F, 0x8F}, // ź Ź
    {0xB3, 0xA3}, // ł Ł
    {0xB9, 0xA5}, // ą Ą
    {0xBA, 0xAA}, // ş Ş
    {0xBE, 0xBC}, // ľ Ľ
    {0xBF, 0xAF}, // ż Ż
}};

constexpr std::array<unsigned char, 256> makeUpperTable()
{
    std::array<unsigned char, 256> t{};
    for (int c = 0; c < 256; ++c)
        t[c] = static_cast<unsigned char>(c);
    for (int c = 'a'; c <= 'z'; ++c)
        t[c] = static_cast<unsigned char>(c - 0x20);
    // ŕ..ţ pair with Ŕ..Ţ; ÷ (0xF7) is no letter and ß (0xDF), ˙ (0xFF) have no capital.
    for (int c = 0xE0; c <= 0xFE; ++c)
        if (c != 0xF7)
            t[c] = static_cast<unsigned char>(c - 0x20);
    for (const CasePair& p : kIrregularCases)
        t[p.lower] = p.upper;
    return t;
}

constexpr std::array<unsigned char, 256> kUpper = makeUpperTable();

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at `at`, advancing it; malformed input gives
// U+FFFD and skips one byte.
char32_t decodeUtf8(std::string_view s, std::size_t& at)
{
    constexpr char32_t kBad = 0xFFFD;
    const auto lead = static_cast<unsigned char>(s[at++]);
    if (lead < 0x80)
        return lead;
    const int extra = (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : (lead & 0xF8) == 0xF0 ? 3 : 0;
    if (extra == 0)
        return kBad;
    constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000}; // shortest form only
    char32_t cp = lead & (0x3F >> extra);
    if (at + extra > s.size())
        return kBad;
    for (int i = 0; i < extra; ++i) {
        const auto cont = static_cast<unsigned char>(s[at + i]);
        if ((cont & 0xC0) != 0x80)
            return kBad;
        cp = (cp << 6) | (cont & 0x3F);
    }
    at += extra;
    return cp < kMinimum[extra] || cp > 0x10FFFF ? kBad : cp;
}

char byteFor(char32_t cp)
{
    if (cp < 0x80)
        return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHighHalf.size(); ++i)
        if (kHighHalf[i] == cp)
            return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

std::string toUtf8(std::string_view cp1250Bytes)
{
    std::string out;
    out.reserve(cp1250Bytes.size() * 2);
    for (const char ch : cp1250Bytes) {
        const auto b = static_cast<unsigned char>(ch);
        appendUtf8(out, b < 0x80 ? char32_t(b) : kHighHalf[b - 0x80]);
    }
    return out;
}

std::string fromUtf8(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t at = 0;
    while (at < utf8.size())
        out += byteFor(decodeUtf8(utf8, at));
    return out;
}

unsigned char upper(unsigned char c) { return kUpper[c]; }

std::string upper(std::string_view text)
{
    std::string out(text);
    for (char& ch : out)
        ch = static_cast<char>(kUpper[static_cast<unsigned char>(ch)]);
    return out;
}

} // namespace cp1250
