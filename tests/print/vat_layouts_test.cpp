#include "core/records/vat_records.h"
#include "layout_test_support.h"

#include <gtest/gtest.h>

using namespace layout_test;

namespace {

std::vector<std::uint8_t> vatZRecord(int taxpayerKind, const std::string& name)
{
    auto rec = clearedRecord(vatz::kRecordSize);
    setTexts(rec, {{vatz::nip, "PL1234567890"}, {vatz::tax_office, "US BIELSKO"}, {vatz::name, name},
                      {vatz::addr_email, "a@b.pl"}, {vatz::last_decl_office, "US CIESZYN"},
                      {vatz::declarant_first_name, "ANNA"}, {vatz::declarant_surname, "NOWAK"}});
    setChoices(rec, {{vatz::taxpayer_kind, taxpayerKind}, {vatz::cessation_reason, 2}, {vatz::last_decl_period, 5}});
    setI32(rec, vatz::last_decl_year, 2004);
    setDate(rec, vatz::birth_date, {1960, 5, 6});
    setDate(rec, vatz::cessation_date, {2005, 3, 31});
    setDate(rec, vatz::fill_date, {2005, 4, 1});
    fillAddress(rec, vatz::addr, true);
    return rec;
}

TEST(VatLayouts, VatZPagePrintsEveryItemAtItsPosition)
{
    const Items items = render(PageId::VatZ_1, vatZRecord(1, "ABC"), spacingOf({11, 22, 33, 44, 55}));

    const int nameLine = kTopY + 11 + 22 + mm(10);
    const int address = nameLine + 33;
    Items expected =
        laidOut(kTopY, {{20, 0, "P L 1 2 3 - 4 5 6 - 7 8 - 9 0"}, {30, 11, "US BIELSKO"}, {150, 22, "XX"}});
    // The birth date follows the name 4 mm after its end.
    expected.insert(
        expected.end(), {{X(30), nameLine, "ABC"}, {X(30) + 3 * kCharWidth + 4 * kScaleX, nameLine, "06-05-1960"}});
    for (const Item& i : addressItems(address, true, 90))
        expected.push_back(i);
    for (const Item& i : laidOut(address + mm(27), {{150, 0, "a@b.pl"}, {94, 44, "3 1 - 0 3 - 2 0 0 5"},
                                                       {125, mm(9), "XX"}, {30, mm(9), "US CIESZYN"},
                                                       {95, mm(9), "0 5-2004"}, {30, 55, "ANNA"}, {100, 0, "NOWAK"},
                                                       {45, mm(9), "0 1 - 0 4 - 2 0 0 5"}}))
        expected.push_back(i);
    EXPECT_EQ(items, expected);
}

TEST(VatLayouts, VatZBirthDateFollowsAnEmptyNameAndIsLeftOutForNonPersons)
{
    const int nameLine = kTopY + mm(10);
    const Items birth = {{X(30) + 4 * kScaleX, nameLine, "06-05-1960"}};
    EXPECT_EQ(printedAt(render(PageId::VatZ_1, vatZRecord(1, "")), birth), birth);

    const Items company = render(PageId::VatZ_1, vatZRecord(0, "FIRMA"));
    EXPECT_EQ((printedAt(company, {{X(50), kTopY, "XX"}})), (Items{{X(50), kTopY, "XX"}}));
    EXPECT_EQ(findText(company, "06-05-1960"), nullptr);
}

std::vector<std::uint8_t> vat21Record(int purpose)
{
    auto rec = clearedRecord(vat21::kRecordSize);
    namespace c = country_entry;
    const Field second = vat21::countries.item(1);
    setTexts(rec, {{vat21::name, "KOWALSKI JAN"}, {second / c::country, "NIEMCY"},
                      {vat21::countries.item(2) / c::country, "FRANCJA"},
                      {vat21::countries.item(23) / c::country, "WLOCHY"}, {vat21::declarant_first_name, "JAN"},
                      {vat21::declarant_surname, "KOWALSKI"}});
    setChoices(rec, {{vat21::taxpayer_kind, 1}, {vat21::purpose, purpose}});
    setDate(rec, vat21::birth_date, {1950, 2, 3});
    setDate(rec, second / c::planned_first_supply, {2004, 6, 1});
    setDate(rec, second / c::first_supply, {2004, 7, 1});
    setDate(rec, second / c::choice_notified, {2004, 0, 1});
    setDate(rec, second / c::planned_supply_after, {2005, 1, 1});
    setDate(rec, vat21::fill_date, {2004, 5, 20});
    fillAddress(rec, vat21::addr, false);
    return rec;
}

TEST(VatLayouts, Vat21FirstPageStepsOverAnEmptyRowAndPrintsTwoRowsOnly)
{
    const auto spacing = spacingOf({11, 22, 33, 44, 55, 66});
    const int nameLine = kTopY + 11 + 22 + mm(10);
    const int address = nameLine + mm(5) + 33;
    const int purposeLine = address + mm(18) + 44;
    const int rows = purposeLine + 55;

    const Items planned = render(PageId::Vat21_1, vat21Record(0), spacing);
    const Items birthAndPurpose = {{X(160), nameLine + mm(5), "03-02-1950"}, {X(62), purposeLine, "XX"}};
    EXPECT_EQ(printedAt(planned, birthAndPurpose), birthAndPurpose);
    const Items addressPrinted(planned.begin() + 5, planned.begin() + 15);
    EXPECT_EQ(addressPrinted, addressItems(address, false, 0)) << "three lines, no telephone or fax";
    const Items secondRow = {{X(26), rows + mm(9), "NIEMCY"}, {X(71), rows + mm(9), "01-06-2004"}};
    EXPECT_EQ(Items(planned.end() - 2, planned.end()), secondRow) << "nothing follows the second row";
    for (const Item& i : planned)
        EXPECT_NE(i.y, rows) << "the empty first row prints nothing";

    const Items resigned = render(PageId::Vat21_1, vat21Record(1), spacing);
    EXPECT_EQ((printedAt(resigned, {{X(125), purposeLine, "XX"}})), (Items{{X(125), purposeLine, "XX"}}));
    const Items resignedRow = {
        {X(26), rows + mm(9), "NIEMCY"}, {X(106), rows + mm(9), "01-07-2004"}, {X(179), rows + mm(9), "01-01-2005"}};
    EXPECT_EQ(Items(resigned.end() - 3, resigned.end()), resignedRow);
}

TEST(VatLayouts, Vat21SecondPageContinuesWithRowThreeAtTheTopMargin)
{
    const Items items = render(PageId::Vat21_2, vat21Record(1), spacingOf({66}, 5));
    EXPECT_EQ(items, laidOut(kTopY, {{26, 0, "FRANCJA"}, {26, 21 * mm(9), "WLOCHY"}, {30, mm(9) + 66, "JAN"},
                                        {100, 0, "KOWALSKI"}, {45, mm(9), "2 0 - 0 5 - 2 0 0 4"}}));
}

TEST(VatLayouts, VatRFirstPageForeignOfficeHalfStepsAndNoCrossesForUnsetChoices)
{
    auto rec = clearedRecord(vatr::kRecordSize);
    setTexts(rec, {{vatr::nip, "DE123456789"}, {vatr::tax_office, "US"}, {vatr::prev_tax_office, "NOT CHANGED"},
                      {vatr::addr_email, "x@y.pl"}, {vatr::foreign_vat_no, "DE999"}});
    for (std::uint32_t k = 0; k < 4; ++k)
        setStr(rec, vatr::foreign_office_lines.item(k), "L" + std::to_string(k + 1));
    setU8(rec, vatr::taxpayer_kind, 3);
    fillAddress(rec, vatr::addr, true);

    const Items items = render(PageId::VatR_1, rec, spacingOf({11, 22, 33, 44, 55}));
    const int foreign = kTopY + 11 + mm(9) + mm(11);
    const int halfStep = 49; // Trunc(11 * 4.5)
    const Items nip = {{X(15), kTopY, "D E 1 2 3 - 4 5 6 - 7 8 - 9"}};
    EXPECT_EQ(printedAt(items, nip), nip);
    EXPECT_EQ(Items(items.begin() + 2, items.begin() + 5),
        laidOut(foreign, {{30, 0, "L1"}, {30, halfStep, "L2"}, {30, halfStep, "L3 L4"}}));
    EXPECT_TRUE(crosses(items).empty()) << "purpose 0, office unchanged, taxpayer kind 3";
    EXPECT_EQ(findText(items, "NOT CHANGED"), nullptr);

    const int lastLine = foreign + 2 * halfStep + 22 + kLineStep + 33 + mm(27) + 44 + mm(27);
    EXPECT_EQ(Items(items.end() - 4, items.end()),
        laidOut(lastLine, {{40, 0, "033 1"}, {90, 0, "033 2"}, {145, 0, "x@y.pl"}, {45, 55, "DE999"}}));
}

TEST(VatLayouts, VatRSecondPagePrintsPeriodsOnlyWhereAPeriodIsStored)
{
    auto rec = clearedRecord(vatr::kRecordSize);
    setChoices(rec, {{vatr::cash_method, 2}, {vatr::cash_method_period, 3}, {vatr::first_decl_form, 4},
                        {vatr::first_decl_period, 12}});
    setI32(rec, vatr::cash_method_year, 2005);
    setI32(rec, vatr::first_decl_year, 2004);

    const Items items = render(PageId::VatR_2, rec, spacingOf({30, 40, 50, 60}, 5));
    // Each section a line below the last, and its spacing on top.
    const int cash = kTopY + 4 * kLineStep + mm(9) + kLineStep + 30;
    const int firstDecl = cash + kLineStep + 40 + kLineStep + 50 + mm(9) + kLineStep + 60;
    const Items expected = {{X(80), cash, "XX"}, {X(160), cash, "0 3-2005"}, {X(160), firstDecl, "XX"},
        {X(95), firstDecl + mm(9), "1 2-2004"}};
    EXPECT_EQ(printedAt(items, expected), expected);
    EXPECT_EQ(crosses(items).size(), 2u);
    for (const Item& i : items)
        EXPECT_EQ(i.text.find("-0"), std::string::npos) << "no period printed for an unset choice: " << i.text;
}

// The editor stores the day of its date pickers whatever is ticked: a date
// reaches the sheet only beside a ticked box that it dates.
TEST(VatLayouts, DatesPrintOnlyWithATickedBoxTheyDate)
{
    struct Case {
        const char* what;
        PageId page;
        Field ticks;
        Field date;
        int line; // the date's; every section a line below the last
    };
    const Case cases[] = {
        {"C.1, poz. 28", PageId::VatR_2, vatr::c1_items, vatr::c1_date, kTopY + 4 * kLineStep + mm(9)},
        {"VAT-R/UE poz. 5", PageId::VatRUe_1, vatr::ue_kinds, vatr::ue_start_date, kTopY + 3 * kLineStep},
        {"VAT-R/UE poz. 7", PageId::VatRUe_1, vatr::ue_end_kinds, vatr::ue_end_date, kTopY + 5 * kLineStep},
    };
    const auto tickAll = [](Bytes rec, const Field& ticks, std::uint8_t value) {
        for (std::uint32_t k = 0; k < ticks.count; ++k)
            setU8(rec, ticks.item(k), value);
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto rec = clearedRecord(vatr::kRecordSize);
        setDate(rec, c.date, {2004, 5, 17});
        // The boxes of the other groups ticked, as in a record that
        // registers for VAT UE and ends nothing.
        for (const Case& other : cases)
            if (other.ticks.offset != c.ticks.offset)
                tickAll(rec, other.ticks, 1);
        const Items date = {{X(60), c.line, "1 7 - 0 5 - 2 0 0 4"}};
        EXPECT_EQ(printedAt(render(c.page, rec), date), Items{}) << "none of its boxes ticked";
        for (std::uint32_t k = 0; k < c.ticks.count; ++k) {
            tickAll(rec, c.ticks, 0);
            setU8(rec, c.ticks.item(k), 1);
            EXPECT_EQ(printedAt(render(c.page, rec), date), date) << "box " << k + 1 << " ticked";
        }
    }
}

} // namespace
