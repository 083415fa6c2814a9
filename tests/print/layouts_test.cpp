// What holds for every page: the calibrated sections, and every text of a
// form on one of its pages.
#include "layout_test_support.h"

#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <set>

using namespace layout_test;

namespace {

// The index of the first item a calibrated spacing moved, after checking
// that it moved that item and all after it by `delta` and nothing else.
std::size_t firstMoved(const Items& before, const Items& after, int delta)
{
    EXPECT_EQ(before.size(), after.size());
    std::size_t first = before.size();
    for (std::size_t i = 0; i < std::min(before.size(), after.size()); ++i) {
        EXPECT_EQ(after[i].x, before[i].x) << "item " << i;
        EXPECT_EQ(after[i].text, before[i].text) << "item " << i;
        if (first == before.size() && after[i].y != before[i].y)
            first = i;
        EXPECT_EQ(after[i].y, before[i].y + (i >= first ? delta : 0)) << "item " << i << " " << before[i].text;
    }
    return first;
}

TEST(PageLayouts, EachCalibratedSpacingMovesEverythingBelowItsSectionAndNothingElse)
{
    for (const PageSections& p : kAllPages)
        for (const int sheet : {1, 2}) {
            SCOPED_TRACE(testing::Message() << "page " << static_cast<int>(p.page) << ", sheet " << sheet);
            const auto rec = taggedRecord(p.form, 1);
            const Items base = render(p.page, rec, {}, sheet);
            ASSERT_FALSE(base.empty());
            std::optional<std::size_t> previous;
            for (int e = 0; e < PageWriter::kSpacingEntries; ++e) {
                PageWriter::SpacingTable spacing{};
                spacing[static_cast<std::size_t>(e)] = 37;
                const std::size_t first = firstMoved(base, render(p.page, rec, spacing, sheet), 37);
                if (e < p.firstEntry || e > p.lastEntry) {
                    EXPECT_EQ(first, base.size()) << "entry " << e << " is not this page's";
                    continue;
                }
                EXPECT_LT(first, base.size()) << "entry " << e << " moves nothing";
                EXPECT_TRUE(!previous || first > *previous) << "entry " << e << " is out of list order";
                previous = first;
            }
        }
}

TEST(PageLayouts, EveryTextFieldOfAFormPrintsOnOneOfItsPages)
{
    const std::set<std::string> notNip3 = {"account_no", "full_name", "short_name", "regon", "reg_organ_name",
        "register_name", "register_no", "seat_addr", "activity_desc_1", "activity_desc_2", "activity_desc_3",
        "pkd_code", "ekd_code", "bank1", "bank2", "bank3", "bank4", "office_nip", "office_name", "records_addr",
        "site1_addr", "site2_addr", "site3_addr"};
    const std::pair<Form, std::set<std::string>> notPrinted[] = {{Form::Nip1, {"account_no", "site3_addr"}},
        {Form::Nip2, {"account_no", "bank4"}}, {Form::Nip3, notNip3}, {Form::NipB, {"account_no"}},
        {Form::VatR, {"account_no"}}, {Form::VatZ, {"account_no"}}, {Form::Vat21, {"account_no"}}};
    for (const auto& [form, skipped] : notPrinted) {
        SCOPED_TRACE(testing::Message() << "form " << static_cast<int>(form));
        std::string printed;
        for (const PageSections& p : kAllPages)
            for (const int sheet : {1, 2})
                for (const Item& i : p.form == form ? render(p.page, taggedRecord(form, 1), {}, sheet) : Items{}) {
                    std::ranges::copy_if(i.text, std::back_inserter(printed), [](char ch) { return ch != ' ' && ch != '-'; });
                    printed += '|';
                }
        for (const Layout* layout : recordOf(form).layouts)
            for (const Field& top : layout->fields)
                if (!skipped.contains(std::string(top.name)))
                    forEachLeaf(top, [&](const Field& f) {
                        EXPECT_TRUE(f.type != FieldType::Str || printed.find(tag(f)) != std::string::npos)
                            << top.name << "@" << f.offset;
                    });
    }
}

} // namespace
