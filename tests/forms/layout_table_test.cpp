#include "core/common/real6.h"
#include "core/common/record_access.h"
#include "core/records/all_layouts.h"
#include "core/records/cleared_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

// Records under test start as this byte everywhere; no value written below
// contains it, so a write that lands nowhere cannot pass.
constexpr std::uint8_t kSentinel = 0xFF;

struct Leaf {
    Field field; // absolute offset within the record
    std::string path;
};

// Flattens a field into the plain fields it is made of, items of repeated
// fields and members of blocks included, in offset order.
void collectLeaves(const Field& f, const std::string& path, std::vector<Leaf>& out)
{
    for (std::uint32_t k = 0; k < f.count; ++k) {
        const Field item = f.item(k);
        const std::string itemPath = f.count > 1 ? path + "[" + std::to_string(k) + "]" : path;
        if (item.type != FieldType::Group) {
            out.push_back({item, itemPath});
            continue;
        }
        ASSERT_NE(item.group, nullptr) << itemPath;
        for (const Field& member : item.group->fields)
            collectLeaves(item / member, itemPath + "/" + std::string(member.name), out);
    }
}

std::vector<Leaf> leavesOf(const Layout& layout)
{
    std::vector<Leaf> leaves;
    for (const Field& f : layout.fields)
        collectLeaves(f, std::string(layout.name) + "/" + std::string(f.name), leaves);
    return leaves;
}

// Writes a value derived from `seed` into the plain field and checks that
// it reads back; a text longer than the field is cut to its capacity.
void writeAndReadBack(Bytes rec, const Field& f, std::uint32_t seed)
{
    switch (f.type) {
    case FieldType::Str: {
        std::string text;
        for (std::uint32_t i = 0; i < f.capacity() + 3; ++i)
            text += char('A' + (seed + i) % 26);
        setStr(rec, f, text);
        EXPECT_EQ(getStr(rec, f), text.substr(0, f.capacity()));
        break;
    }
    case FieldType::Date: {
        const Date4 d{static_cast<std::uint16_t>(2000 + seed % 40), static_cast<std::uint8_t>(1 + seed % 12),
                      static_cast<std::uint8_t>(1 + seed % 28)};
        setDate(rec, f, d);
        EXPECT_EQ(getDate(rec, f), d);
        break;
    }
    case FieldType::U8:
        setU8(rec, f, static_cast<std::uint8_t>(1 + seed % 200));
        EXPECT_EQ(getU8(rec, f), 1 + seed % 200);
        break;
    case FieldType::U16:
        setU16(rec, f, static_cast<std::uint16_t>(0x1000 + seed % 200));
        EXPECT_EQ(getU16(rec, f), 0x1000 + seed % 200);
        break;
    case FieldType::I32:
        setI32(rec, f, static_cast<std::int32_t>(0x01020304 + seed % 200));
        EXPECT_EQ(getI32(rec, f), static_cast<std::int32_t>(0x01020304 + seed % 200));
        break;
    case FieldType::Real6:
        DoubleToReal6(1.5 + seed, rec.data() + f.offset);
        EXPECT_EQ(Real6ToDouble(rec.data() + f.offset), 1.5 + seed);
        break;
    case FieldType::Reserved:
        clearField(rec, f);
        EXPECT_TRUE(std::all_of(rec.begin() + f.offset, rec.begin() + f.end(), [](std::uint8_t b) { return b == 0; }));
        break;
    case FieldType::Group: ADD_FAILURE() << "a block is not a plain field"; break;
    }
}

TEST(LayoutTable, EveryFieldReadsBackAtItsOffsetAndTouchesNothingElse)
{
    std::uint32_t seed = 0;
    for (const Layout* layout : AllLayouts()) {
        SCOPED_TRACE(std::string(layout->name));
        const std::vector<Leaf> leaves = leavesOf(*layout);
        ASSERT_FALSE(leaves.empty());

        // Blocks and repeated items, flattened, still tile the layout.
        std::uint32_t at = layout->begin;
        for (const Leaf& leaf : leaves) {
            EXPECT_EQ(leaf.field.offset, at) << leaf.path;
            at = leaf.field.end();
        }
        EXPECT_EQ(at, layout->end);

        for (const Leaf& leaf : leaves) {
            SCOPED_TRACE(leaf.path);
            const Field& f = leaf.field;
            std::vector<std::uint8_t> rec(layout->end, kSentinel);
            writeAndReadBack(rec, f, ++seed);
            std::vector<std::uint8_t> outside = rec;
            std::fill(outside.begin() + f.offset, outside.begin() + f.end(), kSentinel);
            EXPECT_EQ(outside, std::vector<std::uint8_t>(layout->end, kSentinel));
            if (f.type == FieldType::Str) {
                // A damaged length byte reads as the field's capacity.
                rec[f.offset] = 0xFF;
                EXPECT_EQ(getStr(rec, f).size(), f.capacity());
            }
        }
    }
}

TEST(LayoutTable, ValuesAreStoredLittleEndianAndTextsAfterTheirLength)
{
    std::vector<std::uint8_t> rec(16, kSentinel);
    setStr(rec, Field{"text", 0, 5, FieldType::Str}, "ABCDEFG");
    setDate(rec, Field{"date", 5, 4, FieldType::Date}, {2004, 5, 17});
    setU16(rec, Field{"u16", 9, 2, FieldType::U16}, 0x1234);
    setI32(rec, Field{"i32", 11, 4, FieldType::I32}, -2);
    const std::vector<std::uint8_t> expected = {
        4, 'A', 'B', 'C', 'D', 0xD4, 0x07, 5, 17, 0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF, kSentinel};
    EXPECT_EQ(rec, expected);
}

TEST(LayoutTable, FieldNamesAreUniqueAndReservedOnesNameTheirOffset)
{
    for (const Layout* layout : AllLayouts()) {
        std::set<std::string_view> names;
        for (const Field& f : layout->fields) {
            EXPECT_TRUE(names.insert(f.name).second) << layout->name << ": " << f.name;
            if (f.type == FieldType::Reserved) {
                EXPECT_EQ(f.name, "reserved_" + std::to_string(f.offset)) << layout->name;
            }
        }
    }
}

TEST(LayoutTable, RecordSizesAndOffsetsOfKnownFields)
{
    const std::pair<std::uint32_t, std::uint32_t> sizes[] = {
        {nip::kRecordSize, 4858}, {nip::nip1_layout.end, 4858}, {nip::nip2_layout.end, 4858},
        {nip::nip3_layout.end, 4858}, {vatr::layout.end, 957}, {vatz::layout.end, 597}, {vat21::layout.end, 1624},
        {nipb::layout.end, 922}, {ledger::layout.end, 3953}, {tax_office::layout.end, 286},
        {ledger_params::layout.end, 416}, {rates_record::layout.end, 36}, {address_block::layout.end, 238},
        {bank_block::layout.end, 119}, {partner_entry::layout.end, 322}, {country_entry::layout.end, 47},
    };
    for (std::size_t i = 0; i < std::size(sizes); ++i)
        EXPECT_EQ(sizes[i].first, sizes[i].second) << "size " << i;

    struct Case {
        Field field;
        std::uint32_t offset;
        std::uint32_t width;
        FieldType type;
    };
    using T = FieldType;
    namespace a = address_block;
    const Case cases[] = {
        {nip::form_type, 2416, 1, T::U8}, {nip::seat_addr / a::postcode, 360 + 158, 7, T::Str},
        {nip::bank4 / bank_block::closed, 1154 + 118, 1, T::U8},
        {nip::partners.item(2) / partner_entry::name, 2926 + 644 + 7, 51, T::Str},
        {nip::partners.item(5) / partner_entry::addr / a::fax, 2926 + 5 * 322 + 84 + 222, 16, T::Str},
        {nip::citizenship, 2663, 41, T::Str}, {nip::corr_to_seat, 3301, 1, T::U8},
        {nip::nip2_parent_nip, 2543, 11, T::Str}, {nip::nip3_agent_name, 3364, 41, T::Str},
        {vatr::foreign_office_lines.item(3), 85 + 3 * 41, 41, T::Str}, {vatr::addr / a::fax, 656, 16, T::Str},
        {vatr::c1_items.item(9), 733, 1, T::U8}, {vatr::deposit, 906, 1, T::U8},
        {vatz::addr / a::post_office, 326, 26, T::Str}, {vatz::last_decl_year, 497, 4, T::I32},
        {vat21::addr / a::post_office, 326, 26, T::Str}, {vat21::countries.item(0), 400, 47, T::Group},
        {vat21::countries.item(23) / country_entry::planned_supply_after, 353 + 47 * 24 + 43, 4, T::Date},
        {nipb::banks.item(5), 112 + 595, 119, T::Group},
        {nipb::banks.item(1) / bank_block::number, 112 + 119 + 41, 36, T::Str},
        {ledger::partner_link, 301, 4, T::I32}, {ledger::seat_county, 2272, 16, T::Str},
        {ledger::nip, 2299, 14, T::Str}, {ledger::second_office_flag, 2549, 1, T::U8},
        {tax_office::name, 0, 61, T::Str}, {ledger_params::office_nip, 85, 14, T::Str},
        {ledger_params::letter_mode, 116, 1, T::U8}, {rates_record::rates.item(5), 30, 6, T::Real6},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.field.offset, c.offset) << c.field.name;
        EXPECT_EQ(c.field.width, c.width) << c.field.name;
        EXPECT_EQ(c.field.type, c.type) << c.field.name;
    }
}

TEST(ClearedRecord, HoldsTheBlankAccountAndZerosInEveryKind)
{
    const std::vector<std::uint8_t> head = {4, ' ', ' ', ' ', ' '};
    for (std::uint32_t size : {nip::kRecordSize, vatr::kRecordSize, vatz::kRecordSize, vat21::kRecordSize,
                               nipb::kRecordSize}) {
        std::vector<std::uint8_t> rec(size, kSentinel);
        ClearRecordBytes(rec);
        std::vector<std::uint8_t> expected(size, 0);
        std::copy(head.begin(), head.end(), expected.begin());
        EXPECT_EQ(rec, expected) << "record of " << size << " bytes";
    }
}

} // namespace
