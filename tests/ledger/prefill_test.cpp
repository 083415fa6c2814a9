#include "core/common/app_state.h"
#include "core/common/clock.h"
#include "core/ledger/ledger_access.h"
#include "core/ledger/prefill.h"
#include "core/records/ledger_params.h"
#include "core/records/nip_record.h"
#include "core/records/vat_records.h"
#include "core/register/register_ops.h"
#include "core/register/register_state.h"
#include "ledger_test_files.h"
#include "support/scripted_messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <tuple>

namespace {

const Date4 kToday{2005, 3, 14};

struct Form { int kind; bool (*prefill)(Messenger&); };
const Form kNip1{KindRejfor, [](Messenger& m) { return PrefillNip(1, m); }};
const Form kNip2{KindRejfor, [](Messenger& m) { return PrefillNip(2, m); }};
const Form kVatR{KindVatr, PrefillVatR};
const Form kNipB{KindNipb, PrefillNipB};

using Texts = std::vector<std::string>;
using LedgerTexts = std::initializer_list<std::pair<Field, std::string>>;
// A ledger text and what one form field holds after the pre-fill.
struct Copy { Field from; std::string text; Field to; std::string expected; };

struct PrefillTest : ::testing::Test {
    TempDir dir;
    ScriptedMessages messages;
    LedgerTestFile ledgerFile{20};

    PrefillTest()
    {
        setTodayProvider([] { return kToday; });
        writeOffices({cp("Urząd Skarbowy w Kielcach"), cp("Drugi Urząd Skarbowy w Łodzi")});
        setStr(appState().ledgerParams, ledger_params::office_nip, "526-000-12-46");
        appState().officeLines = {cp("Biuro rachunkowe \"Żak\""), cp("spółka cywilna"), "ul. Długa 1", "Kielce"};
    }
    ~PrefillTest() override
    {
        setTodayProvider({});
        appState() = AppState{};
    }

    // Taxpayer n: a person (kind 1, named by the surname) or a firm (by the
    // full name), linked to the next partner of a chain.
    Bytes taxpayer(int n, std::uint8_t kind, std::string_view name, std::int32_t link = 0, LedgerTexts texts = {})
    {
        Bytes r = ledgerFile.taxpayer(n, std::to_string(n), texts);
        setU8(r, ledger::taxpayer_kind, kind);
        setStr(r, kind == 1 ? ledger::surname : ledger::full_name, name);
        setI32(r, ledger::partner_link, link);
        return r;
    }
    // A partnership at record 1 whose partner chain starts at record 10.
    void partnership(std::uint8_t form) { setU8(taxpayer(1, 0, "Firma", 10), ledger::business_form, form); }

    // Saves the ledger, makes taxpayer n the current one and fills the form's
    // buffer with a pattern.
    void choose(int n, const Form& form)
    {
        ledgerFile.save();
        EXPECT_TRUE(LookupLedgerAccount(std::to_string(n), messages));
        std::ranges::fill(recordBuffer(form.kind), 0x5A);
        messages.shown.clear();
    }
    // Writes the copies' texts into taxpayer n, pre-fills the form from it and
    // checks every target field and what the operator was told.
    Bytes fill(int n, const Form& form, std::initializer_list<Copy> copies, const Texts& told = {})
    {
        for (const Copy& c : copies)
            setStr(ledgerFile.record(n), c.from, c.text);
        choose(n, form);
        EXPECT_TRUE(form.prefill(messages));
        EXPECT_EQ(messages.texts(), told);
        const Bytes r = recordBuffer(form.kind);
        for (const Copy& c : copies)
            EXPECT_EQ(getStr(r, c.to), c.expected) << c.to.name;
        return r;
    }
};

TEST_F(PrefillTest, NipOneCarriesTheLedgerTaxpayer)
{
    Bytes t = taxpayer(3, 1, "");
    setU8(t, ledger::office_index, 1);
    setU8(t, ledger::second_office_index, 2); // not chosen: the flag is clear
    setDate(t, ledger::birth_date, Date4{60, 1, 1});
    const std::string name = cp("kowalski jan maria ewa"), firm = cp("zakład ślusarski");
    const std::string activity = std::string(30, 'a') + "bb";
    const Bytes r = fill(3, kNip1, {
        {ledger::nip, "123-456-78-90", nip::nip, "1234567890"},
        {ledger::full_name, firm, nip::full_name, cp("ZAKŁAD ŚLUSARSKI")},
        {ledger::full_name, firm, nip::bank1 / bank_block::holder, cp("ZAKŁAD ŚLUSARSKI")},
        {ledger::regon, "19-123456-7 ", nip::regon, "191234567"},
        {ledger::seat_street, cp("źródlana"), nip::seat_addr / address_block::street, cp("ŹRÓDLANA")},
        {ledger::seat_street, cp("źródlana"), nip::site1_addr / address_block::street, cp("ŹRÓDLANA")},
        {ledger::home_locality, cp("łódź"), nip::reg_addr / address_block::locality, cp("ŁÓDŹ")},
        {ledger::activity_desc, activity, nip::activity_desc_1, std::string(30, 'A')},
        {ledger::activity_desc, activity, nip::activity_desc_2, "BB"},
        {ledger::activity_desc, activity, nip::activity_desc_3, ""},
        {ledger::bank_account_no, "pl 12 34", nip::bank1 / bank_block::number, "PL 12 34"},
        {ledger::surname, name, nip::declarant_surname, "KOWALSKI"},
        {ledger::surname, name, nip::surname, "KOWALSKI"},
        {ledger::surname, name, nip::first_name, "JAN"},
        {ledger::surname, name, nip::second_name, "MARIA EWA"},
        {ledger::pesel, "60010112345", nip::pesel, "60010112345"},
        {ledger::mother_name, cp("jadwiga"), nip::mother_name, "JADWIGA"},
    });
    EXPECT_EQ(getStr(r, nip::account_no), "3");
    EXPECT_EQ(getStr(r, nip::tax_office), cp("URZĄD SKARBOWY W KIELCACH"));
    EXPECT_EQ(getStr(r, nip::office_nip), "526-000-12-46");
    EXPECT_EQ(getStr(r, nip::office_name), cp("BIURO RACHUNKOWE \"ŻAK\" SPÓŁKA CYWILNA"));
    EXPECT_EQ(getU8(r, nip::form_type), 1);
    EXPECT_EQ(getU8(r, nip::purpose), 2);
    EXPECT_EQ(getDate(r, nip::birth_date), (Date4{60, 1, 1}));
    EXPECT_EQ(getDate(r, nip::fill_date), kToday);
    // Unnamed fields and bytes past a string's new length keep the pattern.
    EXPECT_EQ(r[nip::pkd_code.offset], 0x5A);
    EXPECT_EQ(r[nip::surname.offset + 9], 0x5A);
}

// A partnership (business form 2 or more) takes its chain of partners, at
// most six; attach_d_count is kept when no partner is taken.
TEST_F(PrefillTest, NipTwoTakesAtMostSixChainedPartners)
{
    // business form, partners in the chain, partners taken, attachments
    const std::array<int, 4> cases[] = {{2, 0, 0, 9}, {2, 1, 1, 1}, {2, 3, 3, 1}, {2, 4, 4, 2},
                                        {3, 7, 6, 2}, {0, 2, 0, 9}, {1, 2, 0, 9}};
    for (const auto& [businessForm, partners, taken, attachments] : cases) {
        SCOPED_TRACE(testing::Message() << businessForm << '/' << partners);
        setU8(taxpayer(1, 0, "Firma", partners > 0 ? 10 : 0), ledger::business_form, businessForm);
        for (int p = 0; p < partners; ++p)
            taxpayer(10 + p, 0, cp("Wspólnik ") + std::to_string(p + 1), p + 1 < partners ? 11 + p : -1);
        setStr(partnerRecord(), ledger::full_name, "before");
        choose(1, kNip2);
        ClearRecord(KindRejfor);
        setU8(recordBuffer(KindRejfor), nip::attach_d_count, 9);
        ASSERT_TRUE(PrefillNip(2, messages));
        const Bytes r = recordBuffer(KindRejfor);
        EXPECT_EQ(getU8(r, nip::attach_d_count), attachments);
        for (int k = 0; k < 6; ++k) {
            EXPECT_EQ(getU8(r, nip::partners.item(k) / partner_entry::reason), k < taken ? 3 : 0) << k;
            EXPECT_EQ(getStr(r, nip::partners.item(k) / partner_entry::name),
                      k < taken ? cp("WSPÓLNIK ") + std::to_string(k + 1) : "") << k;
        }
        EXPECT_EQ(getU8(r, nip::nip2_org_form), 3);
        const std::string lastRead = taken > 0 ? cp("Wspólnik ") + std::to_string(taken) : "before";
        EXPECT_EQ(getStr(partnerRecord(), ledger::full_name), lastRead);
    }
}

TEST_F(PrefillTest, PartnerEntriesDescribePersonsAndFirms)
{
    partnership(3);
    taxpayer(10, 1, cp("nowak ewa"), 11, {{ledger::pesel, "70010112345"}, {ledger::home_street, cp("łąkowa")}});
    setDate(taxpayer(11, 1, "Lis", 12, {{ledger::nip, "123-456-78-90"}}), ledger::birth_date, Date4{1961, 12, 5});
    taxpayer(12, 0, cp("spółka z o.o."), 13,
             {{ledger::nip, "1234567890"}, {ledger::regon, "987654321"}, {ledger::seat_street, "polna"}});
    setU8(taxpayer(13, 2, "Grupa", 0, {{ledger::nip, "PL 123-45"}}), ledger::second_office_flag, 1);

    // The pattern in the buffer: nothing of an earlier form survives under a new partner.
    const Bytes r = fill(1, kNip2, {});
    namespace pe = partner_entry;
    const struct { std::uint8_t kind; std::string name, nip, regonPesel, street; } expected[] = {
        {2, cp("NOWAK EWA    -  -    "), "", "70010112345", cp("ŁĄKOWA")},
        {2, "LIS  05-12-1961", "123-456-78-90", "", ""},
        {1, cp("SPÓŁKA Z O.O."), "123-456-78-90", "987654321", "POLNA"},
        {3, "GRUPA", "PL 123-45", "", ""},
    };
    for (int k = 0; k < 4; ++k) {
        const Field entry = nip::partners.item(k);
        const auto& e = expected[k];
        EXPECT_EQ(std::tuple(getU8(r, entry / pe::kind), getStr(r, entry / pe::name), getStr(r, entry / pe::nip),
                             getStr(r, entry / pe::regon_pesel), getStr(r, entry / pe::addr / address_block::street)),
                  std::tuple(e.kind, e.name, e.nip, e.regonPesel, e.street)) << k;
    }
    EXPECT_EQ(getU8(r, nip::attach_d_count), 2);
}

// A REGON arrives as its digits, fourteen for a local unit. Where the form
// keeps fewer, it is left out and the operator told.
TEST_F(PrefillTest, ARegonArrivesAsDigitsOrIsReportedWhenItDoesNotFit)
{
    const std::string localUnit = "123456789-01234"; // the ledger holds 15 characters
    const std::string tooLong = "12345678901234 z PKPiR ma 14 cyfr, a formularz mieści najwyżej 11. "
                                "Pole REGON pozostawiono puste.";
    taxpayer(2, 0, "Filia");
    fill(2, kNip1, {{ledger::regon, localUnit, nip::regon, "12345678901234"}});
    fill(2, kVatR, {{ledger::regon, localUnit, vatr::id_no, "12345678901234"}});
    fill(2, kNipB, {{ledger::regon, localUnit, nipb::id_no, ""}}, {"REGON " + tooLong});
}

// An account the ledger file cannot hold, up to its record count: refused, nothing written.
TEST_F(PrefillTest, AnAccountOutsideTheLedgerIsRefused)
{
    for (const auto& [account, form] : {std::pair{"99999999", kNip1}, {"$7FFFFFF", kVatR}, {"20", kNipB}}) {
        ledgerFile.taxpayer(4, account);
        choose(4, form);
        EXPECT_FALSE(form.prefill(messages)) << account;
        EXPECT_EQ(messages.texts(), Texts{"Konto " + std::string(account) +
                                          " jest poza zbiorem podatników. Zgłoszenie nie zostanie zapisane."});
        EXPECT_TRUE(std::ranges::all_of(recordBuffer(form.kind), [](std::uint8_t b) { return b == 0x5A; })) << account;
    }
}

// A firm gives its seat and start date; the form goes to the second tax
// office when the ledger's flag is set.
TEST_F(PrefillTest, VatRTakesAFirmsSeatAndTheSecondOffice)
{
    Bytes firm = taxpayer(2, 0, "");
    setDate(firm, ledger::start_date, Date4{1998, 4, 1});
    setU8(firm, ledger::office_index, 1);
    setU8(firm, ledger::second_office_index, 2);
    setU8(firm, ledger::second_office_flag, 7);
    const Bytes r = fill(2, kVatR, {
        {ledger::full_name, cp("hurtownia łąka"), vatr::name, cp("HURTOWNIA ŁĄKA")},
        {ledger::short_name, cp("łąka"), vatr::name_2, cp("ŁĄKA")},
        {ledger::regon, "123456789", vatr::id_no, "123456789"},
        {ledger::nip, "526-10-20-300", vatr::nip, "5261020300"},
        {ledger::seat_locality, "radom", vatr::addr / address_block::locality, "RADOM"},
    });
    EXPECT_EQ(getStr(r, vatr::account_no), "2");
    EXPECT_EQ(getU8(r, vatr::purpose), 1);
    EXPECT_EQ(getU8(r, vatr::taxpayer_kind), 0);
    EXPECT_EQ(getStr(r, vatr::tax_office), cp("DRUGI URZĄD SKARBOWY W ŁODZI"));
    EXPECT_EQ(getDate(r, vatr::birth_or_start_date), (Date4{1998, 4, 1}));
}

TEST_F(PrefillTest, NipBSplitsAPersonAndDatesTheBirthFrom1900)
{
    const Field bank1 = nipb::banks.item(0);
    const std::string name = cp("kowalski jan maria");
    setDate(taxpayer(3, 1, ""), ledger::birth_date, Date4{60, 1, 15});
    const Bytes r = fill(3, kNipB, {
        {ledger::surname, name, nipb::name, "KOWALSKI"},
        {ledger::surname, name, nipb::first_name, "JAN"},
        {ledger::surname, name, nipb::declarant_surname, "KOWALSKI"},
        {ledger::surname, name, nipb::declarant_first_name, "JAN"},
        {ledger::surname, name, bank1 / bank_block::holder, "JAN KOWALSKI"},
        {ledger::nip, "123-456-78-90", nipb::nip, "123-456-78-90"},
        {ledger::pesel, "60010112345", nipb::id_no, "60010112345"},
        {ledger::bank_account_no, "pl 12 ab", bank1 / bank_block::number, "pl 12 ab"},
        {ledger::bank_name, cp("bank śląski"), bank1 / bank_block::bank_name, cp("BANK ŚLĄSKI")},
    });
    EXPECT_EQ(getStr(r, nipb::account_no), "3");
    EXPECT_EQ(getU8(r, nipb::is_person), 1);
    EXPECT_EQ(getDate(r, nipb::birth_date), (Date4{1960, 1, 15}));
    EXPECT_EQ(getDate(r, nipb::fill_date), kToday);

    const std::string firm = cp("zakład usług leśnych i ogrodniczych \"dąb\" spółka z o.o.");
    const std::string firmPerson = cp("zakład usług");
    taxpayer(4, 0, "");
    fill(4, kNipB, {
        {ledger::full_name, firm, nipb::name, cp("ZAKŁAD USŁUG LEŚNYCH I OGRODNICZYCH \"DĄB\" SPÓŁKA Z")},
        {ledger::full_name, firm, bank1 / bank_block::holder, cp("ZAKŁAD USŁUG LEŚNYCH I OGRODNICZYCH \"DĄB")},
        {ledger::surname, firmPerson, nipb::declarant_surname, cp("ZAKŁAD")},
        {ledger::surname, firmPerson, nipb::declarant_first_name, cp("USŁUG")},
        {ledger::regon, "123-456-789", nipb::id_no, "123456789"},
    });
    EXPECT_EQ(getU8(r, nipb::is_person), 0);
    EXPECT_EQ(getStr(r, nipb::first_name), "");
    EXPECT_EQ(getDate(r, nipb::birth_date), Date4{});
}

} // namespace
