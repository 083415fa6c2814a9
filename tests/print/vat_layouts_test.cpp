// The VAT family's pages against the official positions: columns in
// millimetres from the margin and the steps between the lines.
#include "layout_test_support.h"

#include <gtest/gtest.h>

using namespace layout_test;

namespace {

// A row of the VAT-21 countries with a supply already made (purpose 1).
Rows countryRow(std::uint32_t k, int down)
{
    namespace c = country_entry;
    const Field entry = vat21::countries.item(k);
    return {{26, down, tag(entry / c::country)}, {106, 0, plainDate(entry / c::first_supply)},
        {138, 0, plainDate(entry / c::choice_notified)}, {179, 0, plainDate(entry / c::planned_supply_after)}};
}

// Every choice 1, every text and date set.
TEST(VatLayouts, EveryItemPrintsAtItsOfficialPosition)
{
    const int halfStep = 49; // Trunc(11 * 4.5)
    const auto officeLine = [](std::uint32_t k) { return tag(vatr::foreign_office_lines.item(k)); };
    const int vatZNameEnd = static_cast<int>(tag(vatz::name).size()) * kCharWidth;
    EXPECT_EQ(officialPage(PageId::VatR_1, Form::VatR, vatr::nip, "DE123456789"),
        laidOut(kTopY,
            Rows{{15, 0, "D E 1 2 3 - 4 5 6 - 7 8 - 9"}, {57, S(0), "XX"}, {30, mm(9), tag(vatr::tax_office)},
                {30, mm(11), officeLine(0)}, {30, halfStep, officeLine(1)},
                {30, halfStep, officeLine(2) + " " + officeLine(3)}, {110, S(1), "XX"},
                {30, kLineStep, tag(vatr::prev_tax_office)}, {105, S(2), "XX"}, {30, mm(9), tag(vatr::name)},
                {30, mm(9), tag(vatr::name_2)}, {30, mm(9), tag(vatr::id_no)},
                {160, 0, dateText(vatr::birth_or_start_date)}}
                + addressRows(vatr::addr, S(3), 90)
                + Rows{{145, 0, tag(vatr::addr_email)}, {45, S(4), tag(vatr::foreign_vat_no)}}));
    EXPECT_EQ(officialPage(PageId::VatZ_1, Form::VatZ, vatz::nip, "PL1234567890"),
        laidOut(kTopY,
            Rows{{20, 0, "P L 1 2 3 - 4 5 6 - 7 8 - 9 0"}, {30, S(0), tag(vatz::tax_office)}, {150, S(1), "XX"},
                {30, mm(10), tag(vatz::name)}, {30, 0, plainDate(vatz::birth_date), vatZNameEnd + 4 * kScaleX}}
                + addressRows(vatz::addr, S(2), 90)
                + Rows{{150, 0, tag(vatz::addr_email)}, {94, S(3), dateText(vatz::cessation_date)},
                    {90, mm(9), "XX"}, {30, mm(9), tag(vatz::last_decl_office)}, {95, mm(9), "0 1-2004"},
                    {30, S(4), tag(vatz::declarant_first_name)}, {100, 0, tag(vatz::declarant_surname)},
                    {45, mm(9), dateText(vatz::fill_date)}}));
    EXPECT_EQ(officialPage(PageId::Vat21_1, Form::Vat21, vat21::nip, "1234567890"),
        laidOut(kTopY,
            Rows{{17, 0, "1 2 3 - 4 5 6 - 7 8 - 9 0"}, {30, S(0), tag(vat21::tax_office)}, {155, S(1), "XX"},
                {30, mm(10), tag(vat21::name)}, {160, mm(5), plainDate(vat21::birth_date)}}
                + addressRows(vat21::addr, S(2), 0) + Rows{{125, S(3), "XX"}} + countryRow(0, S(4))
                + countryRow(1, mm(9))));
}

// A period prints only where one is stored, and a date only beside a ticked
// box that it dates: the editor stores its pickers' dates whatever is ticked.
TEST(VatLayouts, PeriodsAndDatesPrintOnlyWithWhatTheyBelongTo)
{
    auto rec = taggedRecord(Form::VatR, 2);
    setI32(rec, vatr::cash_method_year, 2005);
    EXPECT_TRUE(findText(render(PageId::VatR_2, rec), "0 2-2005"));
    setU8(rec, vatr::cash_method_period, 0);
    EXPECT_FALSE(findText(render(PageId::VatR_2, rec), "0 0-2005"));

    auto boxes = taggedRecord(Form::VatR, 1);
    for (std::uint32_t k = 0; k < vatr::ue_kinds.count; ++k)
        setU8(boxes, vatr::ue_kinds.item(k), 0);
    EXPECT_FALSE(findText(render(PageId::VatRUe_1, boxes), dateText(vatr::ue_start_date)));
    setU8(boxes, vatr::ue_kinds.item(vatr::ue_kinds.count - 1), 1);
    EXPECT_TRUE(findText(render(PageId::VatRUe_1, boxes), dateText(vatr::ue_start_date)));
}

} // namespace
