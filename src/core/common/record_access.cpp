#include "core/common/record_access.h"

#include <algorithm>
#include <cassert>
#include <cstring>

namespace {
void checkBounds(std::size_t size, const Field& f)
{
    assert(f.offset + f.stride() <= size);
    (void)size;
    (void)f;
}
} // namespace

std::string getStr(ConstBytes rec, const Field& f)
{
    checkBounds(rec.size(), f);
    const std::uint32_t len = std::min<std::uint32_t>(rec[f.offset], f.capacity());
    return std::string(reinterpret_cast<const char*>(rec.data() + f.offset + 1), len);
}

void setStr(Bytes rec, const Field& f, std::string_view text)
{
    checkBounds(rec.size(), f);
    const std::size_t len = std::min<std::size_t>(text.size(), f.capacity());
    rec[f.offset] = static_cast<std::uint8_t>(len);
    std::memcpy(rec.data() + f.offset + 1, text.data(), len);
}

Date4 getDate(ConstBytes rec, const Field& f)
{
    checkBounds(rec.size(), f);
    const auto* p = rec.data() + f.offset;
    return Date4{static_cast<std::uint16_t>(p[0] | (p[1] << 8)), p[2], p[3]};
}

void setDate(Bytes rec, const Field& f, Date4 d)
{
    checkBounds(rec.size(), f);
    auto* p = rec.data() + f.offset;
    p[0] = static_cast<std::uint8_t>(d.year & 0xff);
    p[1] = static_cast<std::uint8_t>(d.year >> 8);
    p[2] = d.month;
    p[3] = d.day;
}

std::uint8_t getU8(ConstBytes rec, const Field& f)
{
    checkBounds(rec.size(), f);
    return rec[f.offset];
}

void setU8(Bytes rec, const Field& f, std::uint8_t v)
{
    checkBounds(rec.size(), f);
    rec[f.offset] = v;
}

std::uint16_t getU16(ConstBytes rec, const Field& f)
{
    checkBounds(rec.size(), f);
    return static_cast<std::uint16_t>(rec[f.offset] | (rec[f.offset + 1] << 8));
}

void setU16(Bytes rec, const Field& f, std::uint16_t v)
{
    checkBounds(rec.size(), f);
    rec[f.offset] = static_cast<std::uint8_t>(v & 0xff);
    rec[f.offset + 1] = static_cast<std::uint8_t>(v >> 8);
}

std::int32_t getI32(ConstBytes rec, const Field& f)
{
    checkBounds(rec.size(), f);
    const auto* p = rec.data() + f.offset;
    const std::uint32_t u = std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
                            (std::uint32_t(p[3]) << 24);
    return static_cast<std::int32_t>(u);
}

void setI32(Bytes rec, const Field& f, std::int32_t v)
{
    checkBounds(rec.size(), f);
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        rec[f.offset + i] = static_cast<std::uint8_t>(u >> (8 * i));
}

void clearField(Bytes rec, const Field& f)
{
    assert(f.end() <= rec.size());
    std::fill(rec.begin() + f.offset, rec.begin() + f.end(), 0);
}
