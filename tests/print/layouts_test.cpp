#include "core/records/nip_record.h"
#include "core/records/vat_records.h"
#include "layout_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <vector>

using namespace layout_test;

namespace {

// A record with every field set so that every conditional item prints:
// texts, valid dates, choices and flags 1, years 2004.
std::vector<std::uint8_t> filledRecord(Form form)
{
    auto rec = clearedRecord(recordOf(form).size);
    forEachLeaf(form, [&](const Field& f) {
        switch (f.type) {
        case FieldType::Str: setStr(rec, f, "TEXT"); break;
        case FieldType::Date: setDate(rec, f, {2004, 5, 17}); break;
        case FieldType::U8: setU8(rec, f, 1); break;
        case FieldType::I32: setI32(rec, f, 2004); break;
        default: break;
        }
    });
    return rec;
}

// The index of the first item that a calibrated spacing moved, after
// checking that it moved that item and all after it by exactly `delta`
// and left the others alone.
std::size_t firstMoved(const Items& before, const Items& after, int delta)
{
    EXPECT_EQ(before.size(), after.size());
    const std::size_t n = std::min(before.size(), after.size());
    std::size_t first = n;
    for (std::size_t i = 0; i < n; ++i) {
        EXPECT_EQ(after[i].x, before[i].x) << "item " << i;
        EXPECT_EQ(after[i].text, before[i].text) << "item " << i;
        if (first == n && after[i].y != before[i].y)
            first = i;
        EXPECT_EQ(after[i].y, before[i].y + (i >= first ? delta : 0)) << "item " << i << " " << before[i].text;
    }
    return first;
}

TEST(PageLayouts, EachCalibratedSpacingMovesEverythingBelowItsSectionAndNothingElse)
{
    constexpr int kDelta = 37;
    for (const PageSections& p : kAllPages) {
        for (const int sheet : {1, 2}) {
            SCOPED_TRACE(testing::Message() << "page " << static_cast<int>(p.page) << ", sheet " << sheet);
            const auto rec = filledRecord(p.form);
            const Items base = render(p.page, rec, sheet);
            ASSERT_FALSE(base.empty());
            std::optional<std::size_t> previous;
            for (int e = 0; e < PageWriter::kSpacingEntries; ++e) {
                PageWriter::SpacingTable spacing{};
                spacing[static_cast<std::size_t>(e)] = kDelta;
                const std::size_t first = firstMoved(base, render(p.page, rec, spacing, sheet), kDelta);
                if (e < p.firstEntry || e > p.lastEntry) {
                    EXPECT_EQ(first, base.size()) << "entry " << e << " is not this page's";
                    continue;
                }
                EXPECT_LT(first, base.size()) << "entry " << e << " moves nothing";
                if (previous) {
                    EXPECT_GT(first, *previous) << "entry " << e << " is out of list order";
                }
                previous = first;
            }
        }
    }
}

TEST(PageLayouts, PurposeCrossesOfPartA)
{
    struct Case {
        PageId page;
        int officeMm; // from part A's line down to the tax office
        int value;
        std::optional<int> col;
        int belowMm = 0;
    };
    const Case cases[] = {
        {PageId::Nip1_1, 9, 0, std::nullopt}, {PageId::Nip1_1, 9, 1, 57}, {PageId::Nip1_1, 9, 2, 129},
        {PageId::Nip1_1, 9, 3, std::nullopt}, {PageId::Nip3_1, 9, 1, 57}, {PageId::Nip3_1, 9, 2, 129},
        {PageId::Nip2_1, 18, 0, std::nullopt}, {PageId::Nip2_1, 18, 1, 40}, {PageId::Nip2_1, 18, 2, 92},
        {PageId::Nip2_1, 18, 3, 40, 9}, {PageId::VatR_1, 9, 0, std::nullopt}, {PageId::VatR_1, 9, 1, 57},
        {PageId::VatR_1, 9, 2, 129},
    };
    const int partA = kTopY + 50;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "page " << static_cast<int>(c.page) << ", purpose " << c.value);
        const bool vat = c.page == PageId::VatR_1;
        auto rec = clearedRecord(vat ? vatr::kRecordSize : nip::kRecordSize);
        setU8(rec, vat ? vatr::purpose : nip::purpose, static_cast<std::uint8_t>(c.value));
        setStr(rec, vat ? vatr::tax_office : nip::tax_office, "URZAD");
        const Items items = render(c.page, rec, spacingOf({50}));

        const Item* office = findText(items, "URZAD");
        ASSERT_NE(office, nullptr);
        EXPECT_EQ(*office, (Item{X(30), partA + mm(c.officeMm), "URZAD"}));
        Items partACrosses;
        for (const Item& i : crosses(items))
            if (i.y < office->y)
                partACrosses.push_back(i);
        EXPECT_EQ(partACrosses, (c.col ? Items{{X(*c.col), partA + mm(c.belowMm), "XX"}} : Items{}));
    }
}

// Whether two texts cover each other in print: 12-point fixed-pitch
// characters are 2.54 mm wide and about 4 mm high.
bool coverEachOther(const Item& a, const Item& b)
{
    const auto right = [](const Item& i) { return i.x + static_cast<int>(i.text.size()) * kScaleX * 254 / 100; };
    return std::abs(a.y - b.y) < mm(4) && a.x < right(b) && b.x < right(a);
}

// The pages whose layout is ours print readably before anyone calibrates
// them: texts that a calibration keeps apart stay apart with no spacing file.
TEST(PageLayouts, PagesLaidOutHereKeepTheirLinesApartWithNoCalibration)
{
    const PageId ours[] = {PageId::Nip1_2, PageId::Nip1_3, PageId::Nip1_4, PageId::Nip2_2, PageId::Nip2_3,
        PageId::Nip2_4, PageId::Nip3_2, PageId::NipB_2, PageId::VatR_2, PageId::VatRUe_1, PageId::Vat21_2};
    PageWriter::SpacingTable calibrated{};
    calibrated.fill(mm(50));
    for (const PageSections& p : kAllPages) {
        if (std::ranges::find(ours, p.page) == std::end(ours))
            continue;
        SCOPED_TRACE(testing::Message() << "page " << static_cast<int>(p.page));
        const auto rec = filledRecord(p.form);
        const Items apart = render(p.page, rec, calibrated);
        const Items uncalibrated = render(p.page, rec);
        ASSERT_EQ(apart.size(), uncalibrated.size());
        for (std::size_t i = 0; i < apart.size(); ++i)
            for (std::size_t j = i + 1; j < apart.size(); ++j)
                if (!coverEachOther(apart[i], apart[j])) {
                    EXPECT_FALSE(coverEachOther(uncalibrated[i], uncalibrated[j]))
                        << uncalibrated[i].text << " / " << uncalibrated[j].text;
                }
    }
}

struct FormPages {
    Form form;
    std::vector<PageId> pages;
    std::set<std::string> notPrinted; // top-level fields the form does not fill in
};

// Every text a form's record holds reaches one of the form's pages.
TEST(PageLayouts, EveryTextFieldOfAFormPrintsOnOneOfItsPages)
{
    const std::set<std::string> notNip3 = {"account_no", "full_name", "short_name", "regon", "reg_organ_name",
        "register_name", "register_no", "seat_addr", "activity_desc_1", "activity_desc_2", "activity_desc_3",
        "pkd_code", "ekd_code", "bank1", "bank2", "bank3", "bank4", "office_nip", "office_name", "records_addr",
        "site1_addr", "site2_addr", "site3_addr"};
    const FormPages forms[] = {
        {Form::Nip1, {PageId::Nip1_1, PageId::Nip1_2, PageId::Nip1_3, PageId::Nip1_4}, {"account_no", "site3_addr"}},
        {Form::Nip2, {PageId::Nip2_1, PageId::Nip2_2, PageId::Nip2_3, PageId::Nip2_4, PageId::NipD_1, PageId::NipD_2},
            {"account_no", "bank4"}},
        {Form::Nip3, {PageId::Nip3_1, PageId::Nip3_2}, notNip3},
        {Form::NipB, {PageId::NipB_1, PageId::NipB_2}, {"account_no"}},
        {Form::VatR, {PageId::VatR_1, PageId::VatR_2, PageId::VatRUe_1}, {"account_no"}},
        {Form::VatZ, {PageId::VatZ_1}, {"account_no"}},
        {Form::Vat21, {PageId::Vat21_1, PageId::Vat21_2}, {"account_no"}},
    };
    for (const FormPages& fp : forms) {
        SCOPED_TRACE(testing::Message() << "form " << static_cast<int>(fp.form));
        auto rec = filledRecord(fp.form);
        // Each text gets a tag of its own: "Z" and a number, or for fields
        // too short for that "Y" and a letter.
        std::vector<std::pair<std::string, std::string>> tags; // field, tag
        int next = 0;
        char nextShort = 'A';
        for (const Layout* layout : recordOf(fp.form).layouts)
            for (const Field& top : layout->fields) {
                if (fp.notPrinted.count(std::string(top.name)))
                    continue;
                forEachLeaf(top, [&](const Field& f) {
                    if (f.type != FieldType::Str)
                        return;
                    char tag[8];
                    if (f.capacity() >= 4)
                        std::snprintf(tag, sizeof tag, "Z%03d", next++);
                    else
                        std::snprintf(tag, sizeof tag, "Y%c", nextShort++);
                    setStr(rec, f, tag);
                    tags.emplace_back(std::string(top.name) + "@" + std::to_string(f.offset), tag);
                });
            }

        std::string printed;
        for (const PageId page : fp.pages)
            for (const int sheet : {1, 2})
                for (const Item& i : render(page, rec, sheet)) {
                    for (const char c : i.text)
                        if (c != ' ' && c != '-')
                            printed += c;
                    printed += '|';
                }
        for (const auto& [field, tag] : tags)
            EXPECT_NE(printed.find(tag), std::string::npos) << field << " (" << tag << ") is printed nowhere";
    }
}

} // namespace
