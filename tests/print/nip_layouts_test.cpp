// The NIP family's pages against the official positions: columns in
// millimetres from the margin and the steps between the lines.
#include "layout_test_support.h"

#include <gtest/gtest.h>

using namespace layout_test;

namespace {

namespace pe = partner_entry;

Field partner(int n) { return nip::partners.item(static_cast<std::uint32_t>(n - 1)); }

// Personal data from the PESEL to the citizenship, sex not 0.
Rows personalRows(int down)
{
    return {{27, down, spaced(tag(nip::pesel))}, {130, 0, tag(nip::surname)}, {45, kLineStep, tag(nip::first_name)},
        {140, 0, tag(nip::second_name)}, {45, kLineStep, tag(nip::father_name)}, {140, 0, tag(nip::mother_name)},
        {38, mm(10), dateText(nip::birth_date)}, {140, 0, tag(nip::birth_place)}, {60, mm(10), "XX"},
        {120, 0, tag(nip::family_name)}, {30, mm(9), tag(nip::id_doc_kind)}, {140, 0, tag(nip::id_doc_no)},
        {50, mm(9), tag(nip::citizenship)}};
}

// Both rows of numbers obtained abroad, their purposes 1.
Rows foreignRows(int down, int crossCol)
{
    return {{20, down, tag(nip::foreign_id1_country)}, {crossCol, 0, "XX"}, {140, 0, tag(nip::foreign_id1_number)},
        {20, kLineStep, tag(nip::foreign_id2_country)}, {crossCol, 0, "XX"}, {140, 0, tag(nip::foreign_id2_number)}};
}

// A partner's event (reason, date, participation 1) and identity (kind 1).
// Spaced dates stand at 160, where they end on the sheet.
Rows partnerEvent(int n, int down)
{
    return {{39, down, "XX"}, {160, mm(8), dateText(partner(n) / pe::date)}, {23, mm(9), "XX"}};
}
Rows partnerIdentity(int n, int down)
{
    const Field p = partner(n);
    return {{35, down, "XX"}, {40, mm(9), tag(p / pe::name)}, {30, mm(9), spaced(tag(p / pe::nip))},
        {130, 0, tag(p / pe::regon_pesel)}};
}

Rows nipBBanks()
{
    Rows rows;
    for (std::uint32_t i = 0; i < nipb::kBankCount; ++i) {
        const Field bank = nipb::banks.item(i);
        rows = rows + Rows{{30, i == 0 ? S(34) : mm(9), tag(bank / bank_block::bank_name)},
            {133, 0, tag(bank / bank_block::number)}, {50, mm(9), tag(bank / bank_block::holder)}, {190, 0, "XX"}};
    }
    return rows;
}

// Every choice 1, every text and date set; the NIP "1234567890".
TEST(NipLayouts, EveryItemPrintsAtItsOfficialPosition)
{
    const std::string nip3322 = "1 2 3 - 4 5 6 - 7 8 - 9 0";
    const std::string nip3223 = "1 2 3 - 4 5 - 6 7 - 8 9 0";
    const Rows nipDDeclarant = {{30, S(38), tag(nip::declarant_first_name)}, {110, 0, tag(nip::declarant_surname)},
        {40, mm(17), dateText(nip::fill_date)}};
    EXPECT_EQ(officialPage(PageId::Nip1_1, Form::Nip1, nip::nip, "1234567890"),
        laidOut(kTopY,
            Rows{{23, 0, nip3322}, {57, S(0), "XX"}, {30, mm(9), tag(nip::tax_office)}, {190, S(1), "XX"},
                {30, kLineStep, tag(nip::prev_tax_office)}}
                + personalRows(S(2)) + foreignRows(S(3), 67)));
    EXPECT_EQ(officialPage(PageId::Nip2_1, Form::Nip2, nip::nip, "1234567890"),
        laidOut(kTopY,
            Rows{{25, 0, nip3223}, {40, S(0), "XX"}, {30, mm(18), tag(nip::tax_office)}, {190, S(1), "XX"},
                {30, kLineStep, tag(nip::prev_tax_office)}, {40, S(2), tag(nip::full_name)},
                {60, mm(9), tag(nip::short_name)}, {80, mm(9), spaced(tag(nip::regon))},
                {40, S(3), tag(nip::reg_organ_name)}, {40, mm(9), tag(nip::register_name)},
                {64, mm(9), dateText(nip::register_date)}, {151, 0, spaced(tag(nip::register_no))}}
                + addressRows(nip::seat_addr, S(4), 120)));
    EXPECT_EQ(officialPage(PageId::NipD_1, Form::Nip2, nip::nip, "1234567890"),
        laidOut(kTopY,
            Rows{{32, 0, nip3223}, {40, S(29), tag(nip::full_name)}, {40, mm(9), tag(nip::short_name)},
                {160, 0, spaced(tag(nip::regon))}}
                + partnerEvent(1, S(30)) + partnerIdentity(1, S(31)) + addressRows(partner(1) / pe::addr, S(32), 120)
                + partnerEvent(2, S(33)) + partnerIdentity(2, S(34))));
    EXPECT_EQ(officialPage(PageId::NipD_2, Form::Nip2, nip::nip, "1234567890"),
        laidOut(kTopY,
            addressRows(partner(2) / pe::addr, 0, 120) + partnerEvent(3, S(35)) + partnerIdentity(3, S(36))
                + addressRows(partner(3) / pe::addr, S(37), 120) + nipDDeclarant));
    EXPECT_EQ(officialPage(PageId::Nip3_1, Form::Nip3, nip::nip, "1234567890"),
        laidOut(kTopY,
            Rows{{23, 0, nip3322}, {57, S(0), "XX"}, {30, mm(9), tag(nip::tax_office)}, {190, mm(18), "XX"},
                {30, kLineStep, tag(nip::prev_tax_office)}}
                + personalRows(S(1))
                + Rows{{20, S(2), tag(nip::nip3_change1_items)}, {62, 0, dateText(nip::nip3_change1_date)},
                    {120, 0, tag(nip::nip3_change2_items)}, {160, 0, dateText(nip::nip3_change2_date)}}
                + foreignRows(S(3), 70)));
    EXPECT_EQ(officialPage(PageId::NipB_1, Form::NipB, nipb::nip, "1234567890"),
        laidOut(kTopY,
            Rows{{17, 0, "1 2 3 4 5 6 7 8 9 0"}, {170, S(33), "XX"},
                {30, mm(10), tag(nipb::name) + " " + tag(nipb::first_name)}, {160, mm(5), plainDate(nipb::birth_date)},
                {110, mm(10), tag(nipb::id_no)}}
                + nipBBanks()));
}

} // namespace
