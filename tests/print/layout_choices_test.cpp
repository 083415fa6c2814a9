// What the stored choices select on the pages with official positions: the
// crosses' columns, and the items printed only for some choices.
#include "layout_test_support.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

using namespace layout_test;

namespace {

Field partner(int n) { return nip::partners.item(static_cast<std::uint32_t>(n - 1)); }

std::vector<int> crossColumns(const Items& items)
{
    std::vector<int> cols;
    for (const Item& i : crosses(items))
        cols.push_back((i.x - kOriginX) / kScaleX);
    return cols;
}

// Every choice of the record set to 0, 1, 2 and 3 in turn.
TEST(LayoutChoices, CrossesStandInTheColumnOfTheChosenOption)
{
    const struct {
        PageId page;
        Form form;
        std::vector<std::vector<int>> byChoice;
    } cases[] = {
        {PageId::Nip1_1, Form::Nip1,
            {{165, 32}, {57, 190, 60, 67, 67}, {129, 190, 60, 95, 95}, {190, 60, 95, 95}}},
        {PageId::Nip2_1, Form::Nip2, {{165}, {40, 190}, {92, 190}, {40, 190}}},
        {PageId::NipD_1, Form::Nip2,
            {{}, {39, 23, 35, 39, 23, 35}, {39, 80, 100, 39, 80, 100}, {39, 110, 140, 39, 110, 140}, {178, 178}}},
        {PageId::NipD_2, Form::Nip2, {{}, {39, 23, 35}, {39, 80, 100}, {39, 110, 140}, {178}}},
        {PageId::Nip3_1, Form::Nip3,
            {{165, 32}, {57, 190, 60, 70, 70}, {129, 190, 60, 95, 95}, {190, 60, 95, 95}}},
        {PageId::NipB_1, Form::NipB, {{60}, {170, 190, 190, 190, 190, 190, 190}, {}}},
        {PageId::VatR_1, Form::VatR, {{44}, {57, 110, 105}, {129, 110, 145}, {110}}},
        {PageId::VatZ_1, Form::VatZ, {{50, 50}, {150, 90}, {125}, {160}, {}}},
        {PageId::Vat21_1, Form::Vat21, {{60, 62}, {155, 125}, {}}},
    };
    for (const auto& c : cases)
        for (std::size_t choice = 0; choice < c.byChoice.size(); ++choice) {
            SCOPED_TRACE(testing::Message() << "page " << static_cast<int>(c.page) << ", choice " << choice);
            const auto rec = taggedRecord(c.form, static_cast<std::uint8_t>(choice));
            EXPECT_EQ(crossColumns(render(c.page, rec)), c.byChoice[choice]);
        }
}

// NIP-2's purpose 3 and a partner's reasons 2 and 3 cross below the line.
TEST(LayoutChoices, SomeOptionsCrossBelowTheLine)
{
    const std::tuple<PageId, std::uint8_t, int> cases[] = {{PageId::Nip2_1, 3, 9}, {PageId::NipD_1, 2, 5},
        {PageId::NipD_1, 3, 10}};
    for (const auto& [page, choice, belowMm] : cases) {
        const Items onTheLine = crosses(render(page, taggedRecord(Form::Nip2, 1)));
        const Items below = crosses(render(page, taggedRecord(Form::Nip2, choice)));
        ASSERT_FALSE(onTheLine.empty() || below.empty());
        EXPECT_EQ(below[0].y, onTheLine[0].y + mm(belowMm)) << belowMm;
    }
}

TEST(LayoutChoices, ConditionalItemsPrintForTheirChoicesOnly)
{
    namespace ce = country_entry;
    const Field firstCountry = vat21::countries.item(0);
    const struct {
        PageId page;
        Form form;
        std::string text;
        std::set<int> choices; // of 0 to 3, those that print it
    } cases[] = {
        {PageId::Nip1_1, Form::Nip1, tag(nip::prev_tax_office), {1}},
        {PageId::Nip1_1, Form::Nip1, tag(nip::foreign_id2_number), {1, 2, 3}},
        {PageId::Nip2_1, Form::Nip2, tag(nip::prev_tax_office), {1}},
        {PageId::Nip3_1, Form::Nip3, tag(nip::prev_tax_office), {1}},
        {PageId::Nip3_1, Form::Nip3, tag(nip::foreign_id1_country), {1, 2, 3}},
        {PageId::NipB_1, Form::NipB, tag(nipb::name), {0, 2, 3}}, // alone, without the first name
        {PageId::NipB_1, Form::NipB, plainDate(nipb::birth_date), {1}},
        {PageId::VatR_1, Form::VatR, tag(vatr::prev_tax_office), {1}},
        {PageId::VatZ_1, Form::VatZ, plainDate(vatz::birth_date), {1}},
        {PageId::Vat21_1, Form::Vat21, plainDate(vat21::birth_date), {1}},
        {PageId::Vat21_1, Form::Vat21, plainDate(firstCountry / ce::planned_first_supply), {0}},
        {PageId::Vat21_1, Form::Vat21, plainDate(firstCountry / ce::choice_notified), {1, 2, 3}},
    };
    for (const auto& c : cases)
        for (int choice = 0; choice <= 3; ++choice) {
            const bool printed = findText(render(c.page, taggedRecord(c.form, static_cast<std::uint8_t>(choice))), c.text);
            EXPECT_EQ(printed, c.choices.contains(choice)) << c.text << ", choice " << choice;
        }
}

// A date whose month is 0 prints nothing, not even its dashes, and moves
// nothing else.
TEST(LayoutChoices, DatesOfMonthZeroAreLeftOut)
{
    namespace ce = country_entry;
    const struct {
        PageId page;
        Form form;
        std::uint8_t choice;
        Field date;
    } cases[] = {
        {PageId::Nip2_1, Form::Nip2, 1, nip::register_date},
        {PageId::NipD_1, Form::Nip2, 1, partner(1) / partner_entry::date},
        {PageId::Nip3_1, Form::Nip3, 1, nip::nip3_change1_date},
        {PageId::Nip3_1, Form::Nip3, 1, nip::nip3_change2_date},
        {PageId::Vat21_1, Form::Vat21, 0, vat21::countries.item(0) / ce::planned_first_supply},
        {PageId::Vat21_1, Form::Vat21, 1, vat21::countries.item(1) / ce::first_supply},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.date.offset);
        auto rec = taggedRecord(c.form, c.choice);
        Items expected = render(c.page, rec);
        std::erase_if(expected, [&](const Item& i) { return i.text == dateText(c.date) || i.text == plainDate(c.date); });
        setDate(rec, c.date, {2004, 0, 5});
        EXPECT_EQ(render(c.page, rec), expected);
    }
}

// A row that prints nothing still takes its step: the next row stays put.
TEST(LayoutChoices, EmptyRowsStillTakeTheirStep)
{
    const struct {
        PageId page;
        Form form;
        Field emptied;
        std::string next;
        std::size_t itemsLeftOut;
    } cases[] = {
        {PageId::Nip1_1, Form::Nip1, nip::foreign_id1_purpose, tag(nip::foreign_id2_country), 3},
        {PageId::Vat21_1, Form::Vat21, vat21::countries.item(0) / country_entry::country,
            tag(vat21::countries.item(1) / country_entry::country), 4},
    };
    for (const auto& c : cases) {
        auto rec = taggedRecord(c.form, 1);
        const Items before = render(c.page, rec);
        if (c.emptied.type == FieldType::Str)
            setStr(rec, c.emptied, "");
        else
            setU8(rec, c.emptied, 0);
        const Items after = render(c.page, rec);
        ASSERT_TRUE(findText(before, c.next) && findText(after, c.next)) << c.next;
        EXPECT_EQ(findText(after, c.next)->y, findText(before, c.next)->y);
        EXPECT_EQ(after.size(), before.size() - c.itemsLeftOut);
    }
}

} // namespace
