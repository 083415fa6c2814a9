#include "common/real6.h"
#include "common/record_access.h"
#include "forms/all_layouts.h"
#include "forms/cleared_record.h"

#include <gtest/gtest.h>

#include <functional>
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

// Writes a value derived from `seed` into `leaf` and returns the bytes the
// field must then hold (bytes a write leaves alone keep the sentinel).
std::vector<std::uint8_t> writeValue(Bytes rec, const Field& f, std::uint32_t seed)
{
    std::vector<std::uint8_t> expect(rec.begin() + f.offset, rec.begin() + f.end());
    switch (f.type) {
    case FieldType::Str: {
        std::string text;
        for (std::uint32_t i = 0; i < f.capacity() + 3; ++i)
            text += char('A' + (seed + i) % 26);
        setStr(rec, f, text);
        expect[0] = static_cast<std::uint8_t>(f.capacity());
        for (std::uint32_t i = 0; i < f.capacity(); ++i)
            expect[1 + i] = static_cast<std::uint8_t>(text[i]);
        EXPECT_EQ(getStr(rec, f), text.substr(0, f.capacity()));
        break;
    }
    case FieldType::Date: {
        const Date4 d{static_cast<std::uint16_t>(2000 + seed % 40), static_cast<std::uint8_t>(1 + seed % 12),
                      static_cast<std::uint8_t>(1 + seed % 28)};
        setDate(rec, f, d);
        expect = {static_cast<std::uint8_t>(d.year & 0xff), static_cast<std::uint8_t>(d.year >> 8), d.month, d.day};
        EXPECT_EQ(getDate(rec, f), d);
        break;
    }
    case FieldType::U8: {
        const auto v = static_cast<std::uint8_t>(1 + seed % 200);
        setU8(rec, f, v);
        expect = {v};
        EXPECT_EQ(getU8(rec, f), v);
        break;
    }
    case FieldType::U16: {
        const auto v = static_cast<std::uint16_t>(0x1000 + seed % 200);
        setU16(rec, f, v);
        expect = {static_cast<std::uint8_t>(v & 0xff), static_cast<std::uint8_t>(v >> 8)};
        EXPECT_EQ(getU16(rec, f), v);
        break;
    }
    case FieldType::I32: {
        const auto v = static_cast<std::int32_t>(0x01020304 + seed % 200);
        setI32(rec, f, v);
        expect = {static_cast<std::uint8_t>(v & 0xff), 0x03, 0x02, 0x01};
        EXPECT_EQ(getI32(rec, f), v);
        break;
    }
    case FieldType::Real6: {
        const double v = 1.5 + seed;
        DoubleToReal6(v, rec.data() + f.offset);
        DoubleToReal6(v, expect.data());
        EXPECT_EQ(Real6ToDouble(rec.data() + f.offset), v);
        break;
    }
    case FieldType::Reserved:
        clearField(rec, f);
        std::fill(expect.begin(), expect.end(), std::uint8_t{0});
        break;
    case FieldType::Group:
        ADD_FAILURE() << "a block is not a plain field";
        break;
    }
    return expect;
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

        const std::vector<std::uint8_t> blank(layout->end, kSentinel);
        for (const Leaf& leaf : leaves) {
            SCOPED_TRACE(leaf.path);
            const Field& f = leaf.field;
            std::vector<std::uint8_t> rec = blank;
            const std::vector<std::uint8_t> fieldBytes = writeValue(rec, f, ++seed);

            std::vector<std::uint8_t> expected = blank;
            std::copy(fieldBytes.begin(), fieldBytes.end(), expected.begin() + f.offset);
            EXPECT_EQ(rec, expected);

            if (f.type == FieldType::Str) {
                // A damaged length byte reads as the field's capacity.
                rec[f.offset] = 0xFF;
                EXPECT_EQ(getStr(rec, f).size(), f.capacity());
            }
        }
    }
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

TEST(LayoutTable, RecordSizes)
{
    struct Case {
        std::uint32_t actual;
        std::uint32_t expected;
    };
    const Case cases[] = {
        {nip::kRecordSize, 4858},       {nip::nip1_layout.end, 4858},   {nip::nip2_layout.end, 4858},
        {nip::nip3_layout.end, 4858},   {vatr::layout.end, 957},        {vatz::layout.end, 597},
        {vat21::layout.end, 1624},      {nipb::layout.end, 922},        {ledger::layout.end, 3953},
        {tax_office::layout.end, 286},  {ledger_params::layout.end, 416}, {rates_record::layout.end, 36},
        {address_block::layout.end, 238}, {bank_block::layout.end, 119}, {partner_entry::layout.end, 322},
        {country_entry::layout.end, 47},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(cases[i].actual, cases[i].expected) << "case " << i;
}

TEST(LayoutTable, OffsetsOfKnownFields)
{
    struct Case {
        Field field;
        std::uint32_t offset;
        std::uint32_t width;
        FieldType type;
    };
    const Case cases[] = {
        {nip::form_type, 2416, 1, FieldType::U8},
        {nip::seat_addr / address_block::postcode, 360 + 158, 7, FieldType::Str},
        {nip::bank4 / bank_block::closed, 1154 + 118, 1, FieldType::U8},
        {nip::partners.item(2) / partner_entry::name, 2926 + 644 + 7, 51, FieldType::Str},
        {nip::partners.item(5) / partner_entry::addr / address_block::fax, 2926 + 5 * 322 + 84 + 222, 16,
         FieldType::Str},
        {nip::citizenship, 2663, 41, FieldType::Str},
        {nip::corr_to_seat, 3301, 1, FieldType::U8},
        {nip::nip2_parent_nip, 2543, 11, FieldType::Str},
        {nip::nip3_agent_name, 3364, 41, FieldType::Str},
        {vatr::foreign_office_lines.item(3), 85 + 3 * 41, 41, FieldType::Str},
        {vatr::addr / address_block::fax, 656, 16, FieldType::Str},
        {vatr::c1_items.item(9), 733, 1, FieldType::U8},
        {vatr::deposit, 906, 1, FieldType::U8},
        {vatz::addr / address_block::post_office, 326, 26, FieldType::Str},
        {vatz::last_decl_year, 497, 4, FieldType::I32},
        {vat21::addr / address_block::post_office, 326, 26, FieldType::Str},
        {vat21::countries.item(0), 400, 47, FieldType::Group},
        {vat21::countries.item(23) / country_entry::planned_supply_after, 353 + 47 * 24 + 43, 4, FieldType::Date},
        {nipb::banks.item(5), 112 + 595, 119, FieldType::Group},
        {nipb::banks.item(1) / bank_block::number, 112 + 119 + 41, 36, FieldType::Str},
        {ledger::partner_link, 301, 4, FieldType::I32},
        {ledger::seat_county, 2272, 16, FieldType::Str},
        {ledger::nip, 2299, 14, FieldType::Str},
        {ledger::second_office_flag, 2549, 1, FieldType::U8},
        {tax_office::name, 0, 61, FieldType::Str},
        {ledger_params::office_nip, 85, 14, FieldType::Str},
        {ledger_params::letter_mode, 116, 1, FieldType::U8},
        {rates_record::rates.item(5), 30, 6, FieldType::Real6},
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

    std::vector<std::uint8_t> rec(nip::kRecordSize, kSentinel);
    nip::ClearNipRecord(rec);
    EXPECT_EQ(getStr(rec, nip::account_no), "    ");
    EXPECT_EQ(getU8(rec, nip::form_type), 0);
}

} // namespace
