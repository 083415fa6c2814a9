#include "forms/nip_record.h"
#include "forms/vat_records.h"
#include "layout_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

using namespace layout_test;

namespace {

std::vector<std::uint8_t> nipRecord() { return clearedRecord(nip::kRecordSize); }

Field partner(int n) { return nip::partners.item(static_cast<std::uint32_t>(n - 1)); }

TEST(NipLayouts, Nip1FirstPagePrintsEveryItemAtItsPosition)
{
    auto rec = nipRecord();
    setStr(rec, nip::nip, "1234567890");
    setU8(rec, nip::purpose, 2);
    setStr(rec, nip::tax_office, "US KRAKOW");
    setU8(rec, nip::office_changed, 1);
    setStr(rec, nip::prev_tax_office, "US TARNOW");
    setStr(rec, nip::pesel, "70010112345");
    setStr(rec, nip::surname, "Kowalski");
    setStr(rec, nip::first_name, "Jan");
    setStr(rec, nip::second_name, "Piotr");
    setStr(rec, nip::father_name, "Adam");
    setStr(rec, nip::mother_name, "Ewa");
    setDate(rec, nip::birth_date, {1970, 1, 2});
    setStr(rec, nip::birth_place, "Krakow");
    setU8(rec, nip::sex, 1);
    setStr(rec, nip::family_name, "Nowak");
    setStr(rec, nip::id_doc_kind, "PASZPORT");
    setStr(rec, nip::id_doc_no, "AB123");
    setStr(rec, nip::citizenship, "POLSKIE");
    setStr(rec, nip::foreign_id1_country, "NIEMCY");
    setU8(rec, nip::foreign_id1_purpose, 1);
    setStr(rec, nip::foreign_id1_number, "DE111");
    setStr(rec, nip::foreign_id2_country, "CZECHY");
    setU8(rec, nip::foreign_id2_purpose, 2);
    setStr(rec, nip::foreign_id2_number, "CZ222");

    PageWriter::SpacingTable spacing{};
    spacing[0] = 50;
    spacing[1] = 60;
    spacing[2] = 70;
    spacing[3] = 80;

    Items expected;
    int y = kTopY;
    expected.push_back({X(23), y, "1 2 3 - 4 5 6 - 7 8 - 9 0"});
    y += spacing[0];
    expected.push_back({X(129), y, "XX"});
    y += mm(9);
    expected.push_back({X(30), y, "US KRAKOW"});
    y += spacing[1];
    expected.push_back({X(190), y, "XX"});
    y += kLineStep;
    expected.push_back({X(30), y, "US TARNOW"});
    y += spacing[2];
    expected.push_back({X(27), y, "7 0 0 1 0 1 1 2 3 4 5"});
    expected.push_back({X(130), y, "Kowalski"});
    y += kLineStep;
    expected.push_back({X(45), y, "Jan"});
    expected.push_back({X(140), y, "Piotr"});
    y += kLineStep;
    expected.push_back({X(45), y, "Adam"});
    expected.push_back({X(140), y, "Ewa"});
    y += mm(10);
    expected.push_back({X(38), y, "0 2 - 0 1 - 1 9 7 0"});
    expected.push_back({X(140), y, "Krakow"});
    y += mm(10);
    expected.push_back({X(60), y, "XX"});
    expected.push_back({X(120), y, "Nowak"});
    y += mm(9);
    expected.push_back({X(30), y, "PASZPORT"});
    expected.push_back({X(140), y, "AB123"});
    y += mm(9);
    expected.push_back({X(50), y, "POLSKIE"});
    y += spacing[3];
    expected.push_back({X(20), y, "NIEMCY"});
    expected.push_back({X(67), y, "XX"});
    expected.push_back({X(140), y, "DE111"});
    y += kLineStep;
    expected.push_back({X(20), y, "CZECHY"});
    expected.push_back({X(95), y, "XX"});
    expected.push_back({X(140), y, "CZ222"});

    EXPECT_EQ(render(PageId::Nip1_1, rec, spacing), expected);
}

TEST(NipLayouts, Nip1UnchangedOfficeAndUnusedForeignRowStillStepTheLines)
{
    auto rec = nipRecord();
    setStr(rec, nip::tax_office, "US");
    setStr(rec, nip::prev_tax_office, "NEVER PRINTED");
    setStr(rec, nip::foreign_id1_country, "NIEMCY");
    setStr(rec, nip::foreign_id2_country, "CZECHY");
    setU8(rec, nip::foreign_id2_purpose, 1);

    const Items items = render(PageId::Nip1_1, rec);
    const int officeLine = kTopY + mm(9);
    EXPECT_EQ(at(items, X(165), officeLine), one(X(165), officeLine, "XX"));
    EXPECT_EQ(findText(items, "NEVER PRINTED"), nullptr);
    EXPECT_EQ(findText(items, "NIEMCY"), nullptr);

    const int personal = officeLine + kLineStep;
    const int foreignRows = personal + 2 * kLineStep + mm(10 + 10 + 9 + 9);
    EXPECT_EQ(at(items, X(32), personal + 2 * kLineStep + mm(20)).size(), 1u) << "sex 0 crosses column 32";
    EXPECT_EQ(at(items, X(20), foreignRows + kLineStep), one(X(20), foreignRows + kLineStep, "CZECHY"));
    EXPECT_EQ(items.back().y, foreignRows + kLineStep);
}

TEST(NipLayouts, AddressBlockColumnsAndNineMillimetreLines)
{
    // NIP-D 2/2 opens with the second partner's address at the top margin.
    auto rec = nipRecord();
    const Field addr = partner(2) / partner_entry::addr;
    namespace a = address_block;
    const std::pair<Field, const char*> texts[] = {
        {a::country, "POLSKA"},
        {a::voivodeship, "MALOPOLSKIE"},
        {a::county, "KRAKOWSKI"},
        {a::commune, "ZABIERZOW"},
        {a::street, "LIPOWA"},
        {a::house_no, "12A"},
        {a::flat_no, "3"},
        {a::locality, "RUDAWA"},
        {a::postcode, "32-064"},
        {a::post_office, "RUDAWA"},
        {a::phone, "012 345"},
        {a::fax, "012 346"},
    };
    for (const auto& [field, text] : texts)
        setStr(rec, addr / field, text);

    const Items items = render(PageId::NipD_2, rec);
    ASSERT_GE(items.size(), 12u);
    const Items expected = {
        {X(20), kTopY, "POLSKA"},
        {X(70), kTopY, "MALOPOLSKIE"},
        {X(150), kTopY, "KRAKOWSKI"},
        {X(20), kTopY + mm(9), "ZABIERZOW"},
        {X(70), kTopY + mm(9), "LIPOWA"},
        {X(172), kTopY + mm(9), "12A"},
        {X(195), kTopY + mm(9), "3"},
        {X(20), kTopY + mm(18), "RUDAWA"},
        {X(100), kTopY + mm(18), "32-064"},
        {X(140), kTopY + mm(18), "RUDAWA"},
        {X(40), kTopY + mm(27), "012 345"},
        {X(120), kTopY + mm(27), "012 346"},
    };
    EXPECT_EQ(Items(items.begin(), items.begin() + 12), expected);
}

TEST(NipLayouts, NipDSecondPageEndsWithTheDeclarant)
{
    auto rec = nipRecord();
    setStr(rec, nip::declarant_first_name, "JAN");
    setStr(rec, nip::declarant_surname, "KOWALSKI");
    setDate(rec, nip::fill_date, {2005, 11, 30});
    PageWriter::SpacingTable spacing{};
    for (int e = 35; e <= 38; ++e)
        spacing[static_cast<std::size_t>(e)] = e;

    const Items items = render(PageId::NipD_2, rec, spacing);
    // Partner address, event, identity, address: 27 + 17 + 18 + 27 mm.
    const int declarant = kTopY + mm(27) + 35 + mm(17) + 36 + mm(18) + 37 + mm(27) + 38;
    const Items expected = {
        {X(30), declarant, "JAN"},
        {X(110), declarant, "KOWALSKI"},
        {X(40), declarant + mm(17), "3 0 - 1 1 - 2 0 0 5"},
    };
    ASSERT_GE(items.size(), 3u);
    EXPECT_EQ(Items(items.end() - 3, items.end()), expected);
}

void fillPartner(Bytes rec, int n, int variant, const std::string& name)
{
    const Field p = partner(n);
    setU8(rec, p / partner_entry::reason, static_cast<std::uint8_t>(variant + 1));
    setDate(rec, p / partner_entry::date, {2005, static_cast<std::uint8_t>(variant + 1), 10});
    setU8(rec, p / partner_entry::participation, static_cast<std::uint8_t>(variant + 2));
    setU8(rec, p / partner_entry::kind, static_cast<std::uint8_t>(variant + 1));
    setStr(rec, p / partner_entry::name, name);
    setStr(rec, p / partner_entry::nip, "111-22-33-444");
    setStr(rec, p / partner_entry::addr / address_block::locality, "MIASTO " + name);
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

    auto six = nipRecord();
    for (int n = 1; n <= 6; ++n)
        fillPartner(six, n, (n - 1) % 3, "PARTNER " + std::to_string(n));
    const Items page1 = render(PageId::NipD_1, six, spacing, 2);
    const Items page2 = render(PageId::NipD_2, six, spacing, 2);
    EXPECT_NE(findText(page1, "PARTNER 4"), nullptr);
    EXPECT_NE(findText(page1, "PARTNER 5"), nullptr);
    EXPECT_NE(findText(page2, "MIASTO PARTNER 5"), nullptr);
    EXPECT_NE(findText(page2, "PARTNER 6"), nullptr);
    EXPECT_NE(findText(page2, "MIASTO PARTNER 6"), nullptr);
    for (const std::string gone : {"PARTNER 1", "PARTNER 2", "PARTNER 3", "MIASTO PARTNER 3"}) {
        EXPECT_EQ(findText(page1, gone), nullptr) << gone;
        EXPECT_EQ(findText(page2, gone), nullptr) << gone;
    }
}

struct PartnerEventCase {
    int reason;
    int participation;
    int dateMonth;
    std::optional<int> reasonBelowMm;
    std::optional<int> participationCol;
    const char* printedDate; // nullptr: no date
};

TEST(NipLayouts, PartnerEventCrossesAndDate)
{
    const PartnerEventCase cases[] = {
        {1, 1, 3, 0, 23, "1 0 - 0 3 - 2 0 0 5"},
        {2, 2, 0, 5, 80, nullptr},
        {3, 3, 12, 10, 110, "1 0 - 1 2 - 2 0 0 5"},
        {0, 4, 1, std::nullopt, 178, "1 0 - 0 1 - 2 0 0 5"},
        {1, 5, 1, 0, std::nullopt, "1 0 - 0 1 - 2 0 0 5"},
    };
    for (const PartnerEventCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "reason " << c.reason << ", participation " << c.participation);
        auto rec = nipRecord();
        const Field p = partner(1);
        setU8(rec, p / partner_entry::reason, static_cast<std::uint8_t>(c.reason));
        setU8(rec, p / partner_entry::participation, static_cast<std::uint8_t>(c.participation));
        setDate(rec, p / partner_entry::date, {2005, static_cast<std::uint8_t>(c.dateMonth), 10});

        const Items items = render(PageId::NipD_1, rec);
        const int event = kTopY + mm(9);

        Items reasonCrosses;
        for (const Item& i : crosses(items))
            if (i.x == X(39))
                reasonCrosses.push_back(i);
        if (c.reasonBelowMm) {
            EXPECT_EQ(reasonCrosses, one(X(39), event + mm(*c.reasonBelowMm), "XX"));
        } else {
            EXPECT_TRUE(reasonCrosses.empty());
        }

        const Items date = at(items, X(162), event + mm(8));
        if (c.printedDate) {
            EXPECT_EQ(date, one(X(162), event + mm(8), c.printedDate));
        } else {
            EXPECT_TRUE(date.empty());
        }

        Items participation;
        for (const Item& i : crosses(items))
            if (i.y == event + mm(17))
                participation.push_back(i);
        if (c.participationCol) {
            EXPECT_EQ(participation, one(X(*c.participationCol), event + mm(17), "XX"));
        } else {
            EXPECT_TRUE(participation.empty());
        }
    }
}

TEST(NipLayouts, Nip3FirstPageOfficeBoxIsEighteenMillimetresDownAndForeignPurposeAtSeventy)
{
    auto rec = nipRecord();
    setStr(rec, nip::tax_office, "US");
    setU8(rec, nip::office_changed, 2);
    setStr(rec, nip::prev_tax_office, "ONLY WHEN 1");
    setStr(rec, nip::nip3_change1_items, "12, 14");
    setDate(rec, nip::nip3_change1_date, {2006, 0, 5});
    setStr(rec, nip::nip3_change2_items, "20");
    setDate(rec, nip::nip3_change2_date, {2006, 7, 5});
    setStr(rec, nip::foreign_id1_country, "NIEMCY");
    setU8(rec, nip::foreign_id1_purpose, 1);

    PageWriter::SpacingTable spacing{};
    spacing[3] = 25; // keeps the foreign row off the line of changes
    const Items items = render(PageId::Nip3_1, rec, spacing);
    const int office = kTopY + mm(9);
    const int officeBox = office + mm(18);
    const int changes = officeBox + kLineStep + 2 * kLineStep + mm(10 + 10 + 9 + 9);
    EXPECT_EQ(at(items, X(30), office), one(X(30), office, "US"));
    EXPECT_EQ(at(items, X(190), officeBox), one(X(190), officeBox, "XX"));
    EXPECT_EQ(findText(items, "ONLY WHEN 1"), nullptr);
    EXPECT_EQ(at(items, X(20), changes), one(X(20), changes, "12, 14"));
    EXPECT_TRUE(at(items, X(62), changes).empty());
    EXPECT_EQ(at(items, X(120), changes), one(X(120), changes, "20"));
    EXPECT_EQ(at(items, X(165), changes), one(X(165), changes, "0 5 - 0 7 - 2 0 0 6"));
    EXPECT_EQ(at(items, X(70), changes + 25), one(X(70), changes + 25, "XX"));
}

TEST(NipLayouts, NipBFirstPagePrintsAllSixAccountsAndOnlyTheClosingCrossesThatAreSet)
{
    auto rec = clearedRecord(nipb::kRecordSize);
    setStr(rec, nipb::nip, "1234567890");
    setU8(rec, nipb::is_person, 1);
    setStr(rec, nipb::name, "KOWALSKI");
    setStr(rec, nipb::first_name, "JAN");
    setDate(rec, nipb::birth_date, {1965, 4, 3});
    setStr(rec, nipb::id_no, "65040312345");
    for (std::uint32_t i = 0; i < 5; ++i)
        setStr(rec, nipb::banks.item(i) / bank_block::bank_name, "BANK " + std::to_string(i + 1));
    setU8(rec, nipb::banks.item(1) / bank_block::closed, 1);
    setU8(rec, nipb::banks.item(3) / bank_block::closed, 2);
    setU8(rec, nipb::banks.item(4) / bank_block::closed, 1);

    PageWriter::SpacingTable spacing{};
    spacing[33] = 30;
    spacing[34] = 40;
    const Items items = render(PageId::NipB_1, rec, spacing);

    const int partA = kTopY + 30;
    const int name = partA + mm(10);
    const int accounts = name + mm(15) + 40;
    EXPECT_EQ(at(items, X(17), kTopY), one(X(17), kTopY, "1 2 3 4 5 6 7 8 9 0"));
    EXPECT_EQ(at(items, X(30), name), one(X(30), name, "KOWALSKI JAN"));
    EXPECT_EQ(at(items, X(160), name + mm(5)), one(X(160), name + mm(5), "03-04-1965"));
    EXPECT_EQ(at(items, X(110), name + mm(15)), one(X(110), name + mm(15), "65040312345"));
    for (int row = 0; row < 6; ++row) {
        const int y = accounts + row * mm(18);
        const std::string bank = row < 5 ? "BANK " + std::to_string(row + 1) : "";
        EXPECT_EQ(at(items, X(30), y), one(X(30), y, bank)) << "row " << row + 1;
    }
    const Items expectedCrosses = {
        {X(170), partA, "XX"},
        {X(190), accounts + mm(18) + mm(9), "XX"},
        {X(190), accounts + 4 * mm(18) + mm(9), "XX"},
    };
    EXPECT_EQ(crosses(items), expectedCrosses);

    setU8(rec, nipb::is_person, 0);
    const Items company = render(PageId::NipB_1, rec, spacing);
    EXPECT_EQ(at(company, X(60), partA), one(X(60), partA, "XX"));
    EXPECT_EQ(at(company, X(30), name), one(X(30), name, "KOWALSKI"));
    EXPECT_EQ(findText(company, "03-04-1965"), nullptr);
}

} // namespace
