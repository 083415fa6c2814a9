#include "forms/vat_records.h"
#include "layout_test_support.h"

#include <gtest/gtest.h>

using namespace layout_test;

namespace {

PageWriter::SpacingTable spacingOf(std::initializer_list<int> entries)
{
    PageWriter::SpacingTable spacing{};
    std::size_t i = 0;
    for (const int e : entries)
        spacing[i++] = e;
    return spacing;
}

void fillAddress(Bytes rec, const Field& addr, bool withPhone)
{
    namespace a = address_block;
    const std::pair<Field, const char*> texts[] = {
        {a::country, "POLSKA"},
        {a::voivodeship, "SLASKIE"},
        {a::county, "BIELSKI"},
        {a::commune, "JASIENICA"},
        {a::street, "DLUGA"},
        {a::house_no, "7"},
        {a::flat_no, "2"},
        {a::locality, "JASIENICA"},
        {a::postcode, "43-385"},
        {a::post_office, "JASIENICA"},
        {a::phone, "033 1"},
        {a::fax, "033 2"},
    };
    for (const auto& [field, text] : texts)
        if (withPhone || (field.offset != a::phone.offset && field.offset != a::fax.offset))
            setStr(rec, addr / field, text);
}

// The address items at the block's columns, starting at line y.
Items addressItems(int y, bool withFourthLine, int faxCol)
{
    Items items = {
        {X(20), y, "POLSKA"},
        {X(70), y, "SLASKIE"},
        {X(150), y, "BIELSKI"},
        {X(20), y + mm(9), "JASIENICA"},
        {X(70), y + mm(9), "DLUGA"},
        {X(172), y + mm(9), "7"},
        {X(195), y + mm(9), "2"},
        {X(20), y + mm(18), "JASIENICA"},
        {X(100), y + mm(18), "43-385"},
        {X(140), y + mm(18), "JASIENICA"},
    };
    if (withFourthLine) {
        items.push_back({X(40), y + mm(27), "033 1"});
        items.push_back({X(faxCol), y + mm(27), "033 2"});
    }
    return items;
}

std::vector<std::uint8_t> vatZRecord(int taxpayerKind, const std::string& name)
{
    auto rec = clearedRecord(vatz::kRecordSize);
    setStr(rec, vatz::nip, "PL1234567890");
    setStr(rec, vatz::tax_office, "US BIELSKO");
    setU8(rec, vatz::taxpayer_kind, static_cast<std::uint8_t>(taxpayerKind));
    setStr(rec, vatz::name, name);
    setDate(rec, vatz::birth_date, {1960, 5, 6});
    fillAddress(rec, vatz::addr, true);
    setStr(rec, vatz::addr_email, "a@b.pl");
    setDate(rec, vatz::cessation_date, {2005, 3, 31});
    setU8(rec, vatz::cessation_reason, 2);
    setStr(rec, vatz::last_decl_office, "US CIESZYN");
    setU8(rec, vatz::last_decl_period, 5);
    setI32(rec, vatz::last_decl_year, 2004);
    setStr(rec, vatz::declarant_first_name, "ANNA");
    setStr(rec, vatz::declarant_surname, "NOWAK");
    setDate(rec, vatz::fill_date, {2005, 4, 1});
    return rec;
}

TEST(VatLayouts, VatZPagePrintsEveryItemAtItsPosition)
{
    const auto spacing = spacingOf({11, 22, 33, 44, 55});
    const Items items = render(PageId::VatZ_1, vatZRecord(1, "ABC"), spacing);

    Items expected;
    int y = kTopY;
    expected.push_back({X(20), y, "P L 1 2 3 - 4 5 6 - 7 8 - 9 0"});
    y += 11;
    expected.push_back({X(30), y, "US BIELSKO"});
    y += 22;
    expected.push_back({X(150), y, "XX"});
    y += mm(10);
    expected.push_back({X(30), y, "ABC"});
    expected.push_back({X(30) + 3 * kCharWidth + 4 * kScaleX, y, "06-05-1960"});
    y += 33;
    for (const Item& i : addressItems(y, true, 90))
        expected.push_back(i);
    y += mm(27);
    expected.push_back({X(150), y, "a@b.pl"});
    y += 44;
    expected.push_back({X(94), y, "3 1 - 0 3 - 2 0 0 5"});
    y += mm(9);
    expected.push_back({X(125), y, "XX"});
    y += mm(9);
    expected.push_back({X(30), y, "US CIESZYN"});
    y += mm(9);
    expected.push_back({X(95), y, "0 5-2004"});
    y += 55;
    expected.push_back({X(30), y, "ANNA"});
    expected.push_back({X(100), y, "NOWAK"});
    y += mm(9);
    expected.push_back({X(45), y, "0 1 - 0 4 - 2 0 0 5"});

    EXPECT_EQ(items, expected);
}

TEST(VatLayouts, VatZBirthDateFollowsAnEmptyNameAndIsLeftOutForNonPersons)
{
    const int nameLine = kTopY + mm(10);
    const Items person = render(PageId::VatZ_1, vatZRecord(1, ""));
    EXPECT_EQ(at(person, X(30) + 4 * kScaleX, nameLine), one(X(30) + 4 * kScaleX, nameLine, "06-05-1960"));

    const Items company = render(PageId::VatZ_1, vatZRecord(0, "FIRMA"));
    EXPECT_EQ(at(company, X(50), kTopY), one(X(50), kTopY, "XX"));
    EXPECT_EQ(findText(company, "06-05-1960"), nullptr);
}

std::vector<std::uint8_t> vat21Record(int purpose)
{
    auto rec = clearedRecord(vat21::kRecordSize);
    setU8(rec, vat21::taxpayer_kind, 1);
    setStr(rec, vat21::name, "KOWALSKI JAN");
    setDate(rec, vat21::birth_date, {1950, 2, 3});
    fillAddress(rec, vat21::addr, false);
    setU8(rec, vat21::purpose, static_cast<std::uint8_t>(purpose));
    namespace c = country_entry;
    const Field second = vat21::countries.item(1);
    setStr(rec, second / c::country, "NIEMCY");
    setDate(rec, second / c::planned_first_supply, {2004, 6, 1});
    setDate(rec, second / c::first_supply, {2004, 7, 1});
    setDate(rec, second / c::choice_notified, {2004, 0, 1});
    setDate(rec, second / c::planned_supply_after, {2005, 1, 1});
    setStr(rec, vat21::countries.item(2) / c::country, "FRANCJA");
    setStr(rec, vat21::countries.item(23) / c::country, "WLOCHY");
    setStr(rec, vat21::declarant_first_name, "JAN");
    setStr(rec, vat21::declarant_surname, "KOWALSKI");
    setDate(rec, vat21::fill_date, {2004, 5, 20});
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
    EXPECT_EQ(at(planned, X(160), nameLine + mm(5)), one(X(160), nameLine + mm(5), "03-02-1950"));
    const Items addressPrinted(planned.begin() + 5, planned.begin() + 15);
    EXPECT_EQ(addressPrinted, addressItems(address, false, 0)) << "three lines, no telephone or fax";
    EXPECT_EQ(at(planned, X(62), purposeLine), one(X(62), purposeLine, "XX"));
    const Items secondRow = {{X(26), rows + mm(9), "NIEMCY"}, {X(71), rows + mm(9), "01-06-2004"}};
    EXPECT_EQ(Items(planned.end() - 2, planned.end()), secondRow) << "nothing follows the second row";
    for (const Item& i : planned)
        EXPECT_NE(i.y, rows) << "the empty first row prints nothing";

    const Items resigned = render(PageId::Vat21_1, vat21Record(1), spacing);
    EXPECT_EQ(at(resigned, X(125), purposeLine), one(X(125), purposeLine, "XX"));
    const Items resignedRow = {
        {X(26), rows + mm(9), "NIEMCY"}, {X(106), rows + mm(9), "01-07-2004"}, {X(179), rows + mm(9), "01-01-2005"}};
    EXPECT_EQ(Items(resigned.end() - 3, resigned.end()), resignedRow);
}

TEST(VatLayouts, Vat21SecondPageContinuesWithRowThreeAtTheTopMargin)
{
    const auto spacing = spacingOf({0, 0, 0, 0, 0, 66});
    const Items items = render(PageId::Vat21_2, vat21Record(1), spacing);
    const int declarant = kTopY + 22 * mm(9) + 66;
    const Items expected = {
        {X(26), kTopY, "FRANCJA"},
        {X(26), kTopY + 21 * mm(9), "WLOCHY"},
        {X(30), declarant, "JAN"},
        {X(100), declarant, "KOWALSKI"},
        {X(45), declarant + mm(9), "2 0 - 0 5 - 2 0 0 4"},
    };
    EXPECT_EQ(items, expected);
}

TEST(VatLayouts, VatRFirstPageForeignOfficeHalfStepsAndNoCrossesForUnsetChoices)
{
    auto rec = clearedRecord(vatr::kRecordSize);
    setStr(rec, vatr::nip, "DE123456789");
    setStr(rec, vatr::tax_office, "US");
    for (std::uint32_t k = 0; k < 4; ++k)
        setStr(rec, vatr::foreign_office_lines.item(k), "L" + std::to_string(k + 1));
    setStr(rec, vatr::prev_tax_office, "NOT CHANGED");
    setU8(rec, vatr::taxpayer_kind, 3);
    fillAddress(rec, vatr::addr, true);
    setStr(rec, vatr::addr_email, "x@y.pl");
    setStr(rec, vatr::foreign_vat_no, "DE999");

    const auto spacing = spacingOf({11, 22, 33, 44, 55});
    const Items items = render(PageId::VatR_1, rec, spacing);

    const int office = kTopY + 11 + mm(9);
    const int foreign = office + mm(11);
    const int halfStep = 49; // Trunc(11 * 4.5)
    EXPECT_EQ(at(items, X(15), kTopY), one(X(15), kTopY, "D E 1 2 3 - 4 5 6 - 7 8 - 9"));
    EXPECT_EQ(at(items, X(30), foreign), one(X(30), foreign, "L1"));
    EXPECT_EQ(at(items, X(30), foreign + halfStep), one(X(30), foreign + halfStep, "L2"));
    EXPECT_EQ(at(items, X(30), foreign + 2 * halfStep), one(X(30), foreign + 2 * halfStep, "L3 L4"));
    EXPECT_TRUE(crosses(items).empty()) << "purpose 0, office unchanged, taxpayer kind 3";
    EXPECT_EQ(findText(items, "NOT CHANGED"), nullptr);

    const int address = foreign + 2 * halfStep + 22 + kLineStep + 33 + mm(27) + 44;
    const Items lastLine = {{X(40), address + mm(27), "033 1"}, {X(90), address + mm(27), "033 2"},
        {X(145), address + mm(27), "x@y.pl"}, {X(45), address + mm(27) + 55, "DE999"}};
    EXPECT_EQ(Items(items.end() - 4, items.end()), lastLine);
}

TEST(VatLayouts, VatRSecondPagePrintsPeriodsOnlyWhereAPeriodIsStored)
{
    auto rec = clearedRecord(vatr::kRecordSize);
    setU8(rec, vatr::cash_method, 2);
    setU8(rec, vatr::cash_method_period, 3);
    setI32(rec, vatr::cash_method_year, 2005);
    setU8(rec, vatr::first_decl_form, 4);
    setU8(rec, vatr::first_decl_period, 12);
    setI32(rec, vatr::first_decl_year, 2004);

    const auto spacing = spacingOf({0, 0, 0, 0, 0, 30, 40, 50, 60});
    const Items items = render(PageId::VatR_2, rec, spacing);
    const int cash = kTopY + 4 * kLineStep + mm(9) + 30;
    const int firstDecl = cash + 40 + 50 + mm(9) + 60;
    EXPECT_EQ(at(items, X(80), cash), one(X(80), cash, "XX"));
    EXPECT_EQ(at(items, X(160), cash), one(X(160), cash, "0 3-2005"));
    EXPECT_EQ(at(items, X(160), firstDecl), one(X(160), firstDecl, "XX"));
    EXPECT_EQ(at(items, X(95), firstDecl + mm(9)), one(X(95), firstDecl + mm(9), "1 2-2004"));
    EXPECT_EQ(crosses(items).size(), 2u);
    for (const Item& i : items)
        EXPECT_EQ(i.text.find("-0"), std::string::npos) << "no period printed for an unset choice: " << i.text;
}

} // namespace
