#include "core/common/record_access.h"
#include "core/records/all_layouts.h"
#include "core/records/cleared_record.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

// Records under test start as this byte everywhere, so that a lost write shows.
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

// Blocks and repeated items, flattened, tile every layout: no gap, no overlap.
TEST(LayoutTable, FieldsTileTheirLayout)
{
    for (const Layout* layout : AllLayouts()) {
        SCOPED_TRACE(std::string(layout->name));
        const std::vector<Leaf> leaves = leavesOf(*layout);
        ASSERT_FALSE(leaves.empty());
        std::uint32_t at = layout->begin;
        for (const Leaf& leaf : leaves) {
            EXPECT_EQ(leaf.field.offset, at) << leaf.path;
            at = leaf.field.end();
        }
        EXPECT_EQ(at, layout->end);
    }
}

TEST(LayoutTable, ValuesAreStoredLittleEndianAndTextsAfterTheirLength)
{
    std::vector<std::uint8_t> rec(16, kSentinel);
    // Written from the last to the first, so that a write past a field's end shows.
    setI32(rec, Field{"i32", 11, 4, FieldType::I32}, -2);
    setU16(rec, Field{"u16", 9, 2, FieldType::U16}, 0x1234);
    setDate(rec, Field{"date", 5, 4, FieldType::Date}, {2004, 5, 17});
    setStr(rec, Field{"text", 0, 5, FieldType::Str}, "ABCDEFG");
    const std::vector<std::uint8_t> expected = {
        4, 'A', 'B', 'C', 'D', 0xD4, 0x07, 5, 17, 0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF, kSentinel};
    EXPECT_EQ(rec, expected);
    rec[0] = 0xFF; // a damaged length reads as the field's capacity
    EXPECT_EQ(getStr(rec, Field{"text", 0, 5, FieldType::Str}), "ABCD");
}

// With the fields tiling their layouts, the sizes place every field.
TEST(LayoutTable, RecordAndBlockSizes)
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
}

// The members of the blocks used at many offsets, as the form defines them:
// the tiling alone lets a width and the next offset move together.
TEST(LayoutTable, BlockMembersSitAtTheFormsOffsets)
{
    namespace a = address_block;
    namespace b = bank_block;
    const std::tuple<Field, std::uint32_t, std::uint32_t> members[] = {
        {a::country, 0, 21},   {a::voivodeship, 21, 21}, {a::county, 42, 21},     {a::commune, 63, 21},
        {a::street, 84, 31},   {a::house_no, 115, 11},   {a::flat_no, 126, 6},    {a::locality, 132, 26},
        {a::postcode, 158, 7}, {a::post_office, 165, 26}, {a::phone, 191, 31},    {a::fax, 222, 16},
        {b::bank_name, 0, 41}, {b::number, 41, 36},       {b::holder, 77, 41},    {b::closed, 118, 1},
    };
    for (const auto& [field, offset, width] : members) {
        EXPECT_EQ(field.offset, offset) << field.name;
        EXPECT_EQ(field.width, width) << field.name;
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
