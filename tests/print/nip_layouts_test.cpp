#include "core/records/nip_record.h"
#include "core/records/vat_records.h"
#include "layout_test_support.h"

#include <gtest/gtest.h>

#include <optional>

using namespace layout_test;

namespace {

std::vector<std::uint8_t> nipRecord() { return clearedRecord(nip::kRecordSize); }

Field partner(int n) { return nip::partners.item(static_cast<std::uint32_t>(n - 1)); }

TEST(NipLayouts, Nip1FirstPagePrintsEveryItemAtItsPosition)
{
    auto rec = nipRecord();
    setTexts(rec, {{nip::nip, "1234567890"}, {nip::tax_office, "US KRAKOW"}, {nip::prev_tax_office, "US TARNOW"},
                      {nip::pesel, "70010112345"}, {nip::surname, "Kowalski"}, {nip::first_name, "Jan"},
                      {nip::second_name, "Piotr"}, {nip::father_name, "Adam"}, {nip::mother_name, "Ewa"},
                      {nip::birth_place, "Krakow"}, {nip::family_name, "Nowak"}, {nip::id_doc_kind, "PASZPORT"},
                      {nip::id_doc_no, "AB123"}, {nip::citizenship, "POLSKIE"}, {nip::foreign_id1_country, "NIEMCY"},
                      {nip::foreign_id1_number, "DE111"}, {nip::foreign_id2_country, "CZECHY"},
                      {nip::foreign_id2_number, "CZ222"}});
    setChoices(rec, {{nip::purpose, 2}, {nip::office_changed, 1}, {nip::sex, 1}, {nip::foreign_id1_purpose, 1},
                        {nip::foreign_id2_purpose, 2}});
    setDate(rec, nip::birth_date, {1970, 1, 2});

    const Items expected = laidOut(kTopY, {
        {23, 0, "1 2 3 - 4 5 6 - 7 8 - 9 0"},
        {129, 50, "XX"},
        {30, mm(9), "US KRAKOW"},
        {190, 60, "XX"},
        {30, kLineStep, "US TARNOW"},
        {27, 70, "7 0 0 1 0 1 1 2 3 4 5"}, {130, 0, "Kowalski"},
        {45, kLineStep, "Jan"}, {140, 0, "Piotr"},
        {45, kLineStep, "Adam"}, {140, 0, "Ewa"},
        {38, mm(10), "0 2 - 0 1 - 1 9 7 0"}, {140, 0, "Krakow"},
        {60, mm(10), "XX"}, {120, 0, "Nowak"},
        {30, mm(9), "PASZPORT"}, {140, 0, "AB123"},
        {50, mm(9), "POLSKIE"},
        {20, 80, "NIEMCY"}, {67, 0, "XX"}, {140, 0, "DE111"},
        {20, kLineStep, "CZECHY"}, {95, 0, "XX"}, {140, 0, "CZ222"},
    });
    EXPECT_EQ(render(PageId::Nip1_1, rec, spacingOf({50, 60, 70, 80})), expected);
}

TEST(NipLayouts, Nip1UnchangedOfficeAndUnusedForeignRowStillStepTheLines)
{
    auto rec = nipRecord();
    setTexts(rec, {{nip::tax_office, "US"}, {nip::prev_tax_office, "NEVER PRINTED"},
                      {nip::foreign_id1_country, "NIEMCY"}, {nip::foreign_id2_country, "CZECHY"}});
    setU8(rec, nip::foreign_id2_purpose, 1);

    const Items items = render(PageId::Nip1_1, rec);
    const int officeLine = kTopY + mm(9);
    const int personal = officeLine + kLineStep;
    const int foreignRows = personal + 2 * kLineStep + mm(10 + 10 + 9 + 9);
    const Items expected = {{X(165), officeLine, "XX"}, {X(32), personal + 2 * kLineStep + mm(20), "XX"}, // sex 0
        {X(20), foreignRows + kLineStep, "CZECHY"}};
    EXPECT_EQ(printedAt(items, expected), expected);
    EXPECT_EQ(items.back().y, foreignRows + kLineStep);
    for (const char* never : {"NEVER PRINTED", "NIEMCY"})
        EXPECT_EQ(findText(items, never), nullptr) << never;
}

TEST(NipLayouts, NipDSecondPageOpensWithThePartnersAddressAndEndsWithTheDeclarant)
{
    auto rec = nipRecord();
    fillAddress(rec, partner(2) / partner_entry::addr, true);
    setTexts(rec, {{nip::declarant_first_name, "JAN"}, {nip::declarant_surname, "KOWALSKI"}});
    setDate(rec, nip::fill_date, {2005, 11, 30});

    const Items items = render(PageId::NipD_2, rec, spacingOf({35, 36, 37, 38}, 35));
    ASSERT_GE(items.size(), 15u);
    EXPECT_EQ(Items(items.begin(), items.begin() + 12), addressItems(kTopY, true, 120));
    // Partner address, event, identity, address: 27 + 17 + 18 + 27 mm.
    const int declarant = kTopY + mm(27) + 35 + mm(17) + 36 + mm(18) + 37 + mm(27) + 38;
    const Items expected = {
        {X(30), declarant, "JAN"}, {X(110), declarant, "KOWALSKI"}, {X(40), declarant + mm(17), "3 0 - 1 1 - 2 0 0 5"}};
    EXPECT_EQ(Items(items.end() - 3, items.end()), expected);
}

void fillPartner(Bytes rec, int n, int variant, const std::string& name)
{
    const Field p = partner(n);
    setChoices(rec, {{p / partner_entry::reason, variant + 1}, {p / partner_entry::participation, variant + 2},
                        {p / partner_entry::kind, variant + 1}});
    setDate(rec, p / partner_entry::date, {2005, static_cast<std::uint8_t>(variant + 1), 10});
    setTexts(rec, {{p / partner_entry::name, name}, {p / partner_entry::nip, "111-22-33-444"},
                      {p / partner_entry::addr / address_block::locality, "MIASTO " + name}});
}

TEST(NipLayouts, NipDSecondSheetPrintsPartnersFourToSixWhereTheFirstSheetPrintsOneToThree)
{
    PageWriter::SpacingTable spacing{};
    for (int e = 29; e <= 38; ++e)
        spacing[static_cast<std::size_t>(e)] = 10 * e;

    auto firstThree = nipRecord();
    auto lastThree = nipRecord();
    for (int k = 0; k < 3; ++k) {
        fillPartner(firstThree, 1 + k, k, "PARTNER " + std::to_string(k));
        fillPartner(lastThree, 4 + k, k, "PARTNER " + std::to_string(k));
    }
    for (const PageId page : {PageId::NipD_1, PageId::NipD_2}) {
        const Items sheet1 = render(page, firstThree, spacing, 1);
        EXPECT_EQ(render(page, lastThree, spacing, 2), sheet1);
        EXPECT_NE(render(page, lastThree, spacing, 1), sheet1);
    }
}

TEST(NipLayouts, PartnerEventCrossesAndDate)
{
    struct Case {
        int reason;
        int participation;
        int dateMonth;
        std::optional<int> reasonBelowMm;
        std::optional<int> participationCol;
        const char* printedDate; // nullptr: no date
    };
    const Case cases[] = {
        {1, 1, 3, 0, 23, "1 0 - 0 3 - 2 0 0 5"},
        {2, 2, 0, 5, 80, nullptr},
        {3, 3, 12, 10, 110, "1 0 - 1 2 - 2 0 0 5"},
        {0, 4, 1, std::nullopt, 178, "1 0 - 0 1 - 2 0 0 5"},
        {1, 5, 1, 0, std::nullopt, "1 0 - 0 1 - 2 0 0 5"},
    };
    const int event = kTopY + mm(9);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "reason " << c.reason << ", participation " << c.participation);
        auto rec = nipRecord();
        const Field p = partner(1);
        setChoices(rec, {{p / partner_entry::reason, c.reason}, {p / partner_entry::participation, c.participation}});
        setDate(rec, p / partner_entry::date, {2005, static_cast<std::uint8_t>(c.dateMonth), 10});

        const Items items = render(PageId::NipD_1, rec);
        Items reasonCrosses;
        Items participationCrosses;
        for (const Item& i : crosses(items)) {
            if (i.x == X(39))
                reasonCrosses.push_back(i);
            if (i.y == event + mm(17))
                participationCrosses.push_back(i);
        }
        EXPECT_EQ(reasonCrosses, (c.reasonBelowMm ? Items{{X(39), event + mm(*c.reasonBelowMm), "XX"}} : Items{}));
        EXPECT_EQ(participationCrosses,
            (c.participationCol ? Items{{X(*c.participationCol), event + mm(17), "XX"}} : Items{}));
        const Item date{X(160), event + mm(8), c.printedDate ? c.printedDate : ""};
        EXPECT_EQ((printedAt(items, {date})), c.printedDate ? Items{date} : Items{});
    }
}

TEST(NipLayouts, Nip3FirstPageOfficeBoxIsEighteenMillimetresDownAndForeignPurposeAtSeventy)
{
    auto rec = nipRecord();
    setTexts(rec, {{nip::tax_office, "US"}, {nip::prev_tax_office, "ONLY WHEN 1"}, {nip::nip3_change1_items, "12, 14"},
                      {nip::nip3_change2_items, "20"}, {nip::foreign_id1_country, "NIEMCY"}});
    setChoices(rec, {{nip::office_changed, 2}, {nip::foreign_id1_purpose, 1}});
    setDate(rec, nip::nip3_change1_date, {2006, 0, 5});
    setDate(rec, nip::nip3_change2_date, {2006, 7, 5});

    // Entry 3 keeps the foreign row off the line of changes.
    const Items items = render(PageId::Nip3_1, rec, spacingOf({25}, 3));
    const int office = kTopY + mm(9);
    const int officeBox = office + mm(18);
    const int changes = officeBox + kLineStep + 2 * kLineStep + mm(10 + 10 + 9 + 9);
    const Items expected = {{X(30), office, "US"}, {X(190), officeBox, "XX"}, {X(20), changes, "12, 14"},
        {X(120), changes, "20"}, {X(160), changes, "0 5 - 0 7 - 2 0 0 6"}, {X(70), changes + 25, "XX"}};
    EXPECT_EQ(printedAt(items, expected), expected);
    EXPECT_TRUE((printedAt(items, {{X(62), changes, ""}})).empty()) << "no date of month 0";
    EXPECT_EQ(findText(items, "ONLY WHEN 1"), nullptr);
}

TEST(NipLayouts, NipBFirstPagePrintsAllSixAccountsAndOnlyTheClosingCrossesThatAreSet)
{
    auto rec = clearedRecord(nipb::kRecordSize);
    setTexts(rec, {{nipb::nip, "1234567890"}, {nipb::name, "KOWALSKI"}, {nipb::first_name, "JAN"},
                      {nipb::id_no, "65040312345"}});
    setDate(rec, nipb::birth_date, {1965, 4, 3});
    for (std::uint32_t i = 0; i < 5; ++i)
        setStr(rec, nipb::banks.item(i) / bank_block::bank_name, "BANK " + std::to_string(i + 1));
    setChoices(rec, {{nipb::is_person, 1}, {nipb::banks.item(1) / bank_block::closed, 1},
                        {nipb::banks.item(3) / bank_block::closed, 2}, {nipb::banks.item(4) / bank_block::closed, 1}});

    const auto spacing = spacingOf({30, 40}, 33);
    const Items items = render(PageId::NipB_1, rec, spacing);
    const int partA = kTopY + 30;
    const int name = partA + mm(10);
    const int accounts = name + mm(15) + 40;
    Items expected = {{X(17), kTopY, "1 2 3 4 5 6 7 8 9 0"}, {X(30), name, "KOWALSKI JAN"},
        {X(160), name + mm(5), "03-04-1965"}, {X(110), name + mm(15), "65040312345"}};
    for (int row = 0; row < 6; ++row) // the sixth account prints too, empty
        expected.push_back({X(30), accounts + row * mm(18), row < 5 ? "BANK " + std::to_string(row + 1) : ""});
    EXPECT_EQ(printedAt(items, expected), expected);
    EXPECT_EQ(crosses(items), (Items{{X(170), partA, "XX"}, {X(190), accounts + mm(18) + mm(9), "XX"},
                                  {X(190), accounts + 4 * mm(18) + mm(9), "XX"}}));

    setU8(rec, nipb::is_person, 0);
    const Items company = render(PageId::NipB_1, rec, spacing);
    const Items companyExpected = {{X(60), partA, "XX"}, {X(30), name, "KOWALSKI"}};
    EXPECT_EQ(printedAt(company, companyExpected), companyExpected);
    EXPECT_EQ(findText(company, "03-04-1965"), nullptr);
}

} // namespace
