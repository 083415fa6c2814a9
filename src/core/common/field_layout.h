#pragma once
#include <cstdint>
#include <span>
#include <string_view>

// Record layouts as data: one table of fields per layout, checked at compile
// time to cover the layout's bytes without gaps or overlaps. Nowhere else in
// the program are offsets typed by hand.

enum class FieldType : std::uint8_t {
    Str,      // short string: length byte + characters; width = N + 1
    Date,     // u16 year, u8 month, u8 day; four zero bytes = no date
    U8,       // choice, index, flag, tri-state, count or code byte
    U16,
    I32,
    Real6,    // 6-byte real (ledger rates)
    Reserved, // bytes no form writes
    Group,    // a block with a layout of its own (address, bank account, ...)
};

struct Layout;

struct Field {
    std::string_view name;
    std::uint32_t offset = 0;
    std::uint32_t width = 0;
    FieldType type = FieldType::Reserved;
    const Layout* group = nullptr; // for Group: the block's layout (offsets relative to the block)
    std::uint32_t count = 1;       // repeated fields: `count` items of width / count bytes each

    constexpr std::uint32_t end() const { return offset + width; }
    constexpr std::uint32_t stride() const { return width / count; }
    // Capacity of a short string.
    constexpr std::uint32_t capacity() const { return stride() - 1; }

    // Item k (0-based) of a repeated field, as a field of its own.
    constexpr Field item(std::uint32_t k) const
    {
        Field f = *this;
        f.offset = offset + k * stride();
        f.width = stride();
        f.count = 1;
        return f;
    }
    // A member of a block placed at this field's offset.
    constexpr Field operator/(const Field& member) const
    {
        Field f = member;
        f.offset = offset + member.offset;
        return f;
    }
};

struct Layout {
    std::string_view name;
    std::uint32_t begin; // first byte covered by the table
    std::uint32_t end;   // one past the last byte
    std::span<const Field> fields;
};

// True when the fields follow each other without gap or overlap from
// `begin` to `end`, each repeated field dividing evenly into its items.
constexpr bool isContiguous(std::span<const Field> fields, std::uint32_t begin, std::uint32_t end)
{
    std::uint32_t at = begin;
    for (const Field& f : fields) {
        if (f.offset != at || f.width == 0 || f.count == 0 || f.width % f.count != 0)
            return false;
        if (f.type == FieldType::Str && f.stride() < 2)
            return false;
        at = f.end();
    }
    return at == end;
}

constexpr bool isContiguous(const Layout& l) { return isContiguous(l.fields, l.begin, l.end); }
