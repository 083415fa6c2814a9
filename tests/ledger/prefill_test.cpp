#include "app/app_state.h"
#include "app/ledger_params.h"
#include "common/clock.h"
#include "common/io_error.h"
#include "common/polish_letters.h"
#include "forms/nip_record.h"
#include "forms/vat_records.h"
#include "ledger/ledger_access.h"
#include "ledger/prefill.h"
#include "ledger_test_files.h"
#include "register/register_ops.h"
#include "register/register_state.h"
#include "support/scripted_messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

// Readable failures for split3.
void PrintTo(const Split3& s, std::ostream* out) { *out << '[' << s.first << '|' << s.second << '|' << s.rest << ']'; }

namespace {

const Date4 kToday{2005, 3, 14};

struct PrefillTest : ::testing::Test {
    TempDir dir;
    ScriptedMessages messages;
    LedgerTestFile ledgerFile{20};

    PrefillTest()
    {
        setTodayProvider([] { return kToday; });
        writeOffices({cp("Urząd Skarbowy w Kielcach"), cp("Drugi Urząd Skarbowy w Łodzi")});
        AppState& app = appState();
        setStr(app.ledgerParams, ledger_params::office_nip, "526-000-12-46");
        app.officeLines = {cp("Biuro rachunkowe \"Żak\""), cp("spółka cywilna"), "ul. Długa 1", "Kielce"};
        for (int kind : {KindRejfor, KindVatr, KindNipb})
            ClearRecord(kind);
    }
    ~PrefillTest() override
    {
        setTodayProvider({});
        SetLetterMode(0);
        appState() = AppState{};
    }

    Bytes person(int n, std::string_view surname)
    {
        Bytes r = ledgerFile.taxpayer(n, std::to_string(n));
        setU8(r, ledger::taxpayer_kind, 1);
        setStr(r, ledger::surname, surname);
        return r;
    }
    Bytes company(int n, std::string_view fullName)
    {
        Bytes r = ledgerFile.taxpayer(n, std::to_string(n));
        setStr(r, ledger::full_name, fullName);
        return r;
    }
    // Saves the ledger and makes record n the current taxpayer.
    void choose(int n)
    {
        ledgerFile.save();
        ASSERT_TRUE(LookupLedgerAccount(std::to_string(n), messages));
    }
    std::vector<std::uint8_t> snapshot(int kind) const
    {
        Bytes b = recordBuffer(kind);
        return {b.begin(), b.end()};
    }
    void fillWithPattern(int kind) { std::ranges::fill(recordBuffer(kind), 0x5A); }
};

void expectKept(ConstBytes now, ConstBytes before, std::initializer_list<Field> fields)
{
    for (const Field& f : fields)
        EXPECT_TRUE(std::equal(now.begin() + f.offset, now.begin() + f.end(), before.begin() + f.offset)) << f.name;
}

std::string partnerName(int k) { return getStr(recordBuffer(KindRejfor), nip::partners.item(k) / partner_entry::name); }

TEST(Split3, SplitsTwoWordsAndKeepsTheRestAsStored)
{
    const struct {
        std::string_view text;
        Split3 words;
    } cases[] = {
        {"Kowalski Jan Maria", {"Kowalski", "Jan", "Maria"}},
        {"Kowalski", {"Kowalski", "", ""}},
        {"Kowalski Jan Maria  Anna", {"Kowalski", "Jan", "Maria  Anna"}},
        {"   Nowak    Ewa   Zofia ", {"Nowak", "Ewa", "Zofia "}},
        {"", {"", "", ""}},
        {"Abcdefghij Abcdefghij Abcdefghij Abcdefghij", {"Abcdefghij", "Abcdefghij", "Abcdefghij Abcdefg"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(split3(c.text), c.words) << c.text;
}

TEST_F(PrefillTest, NipOneCarriesTheLedgerTaxpayer)
{
    Bytes t = person(3, cp("kowalski jan maria ewa"));
    setStr(t, ledger::nip, "123-456-78-90");
    setU8(t, ledger::office_index, 1);
    setStr(t, ledger::full_name, cp("zakład ślusarski"));
    setStr(t, ledger::regon, "12345678 ");
    setDate(t, ledger::register_date, Date4{99, 5, 6});
    setStr(t, ledger::seat_street, cp("źródlana"));
    setStr(t, ledger::seat_county, cp("kielecki"));
    setStr(t, ledger::home_locality, cp("łódź"));
    setDate(t, ledger::start_date, Date4{2001, 2, 3});
    setStr(t, ledger::activity_desc, std::string(30, 'a') + std::string(25, 'b'));
    setStr(t, ledger::bank_name, cp("bank śląski"));
    setStr(t, ledger::bank_account_no, "pl 12 34");
    setStr(t, ledger::pesel, "60010112345");
    setStr(t, ledger::mother_name, cp("jadwiga"));
    setDate(t, ledger::birth_date, Date4{60, 1, 1});
    choose(3);
    Bytes r = recordBuffer(KindRejfor);
    setStr(r, nip::activity_desc_3, "old");

    ASSERT_TRUE(PrefillNip(1, messages));
    EXPECT_TRUE(messages.shown.empty());
    const struct {
        Field field;
        std::string text;
    } texts[] = {
        {nip::account_no, "3"},
        {nip::nip, "1234567890"},
        {nip::tax_office, cp("URZĄD SKARBOWY W KIELCACH")},
        {nip::full_name, cp("ZAKŁAD ŚLUSARSKI")},
        {nip::regon, "12345678 "},
        {nip::seat_addr / address_block::street, cp("ŹRÓDLANA")},
        {nip::seat_addr / address_block::county, "KIELECKI"},
        {nip::activity_desc_1, std::string(30, 'A')},
        {nip::activity_desc_2, std::string(25, 'B')},
        {nip::activity_desc_3, ""},
        {nip::bank1 / bank_block::bank_name, cp("BANK ŚLĄSKI")},
        {nip::bank1 / bank_block::number, "PL 12 34"},
        {nip::bank1 / bank_block::holder, cp("ZAKŁAD ŚLUSARSKI")},
        {nip::office_nip, "526-000-12-46"},
        {nip::office_name, cp("BIURO RACHUNKOWE \"ŻAK\" SPÓŁKA CYWILNA")},
        {nip::declarant_surname, "KOWALSKI"},
        {nip::declarant_first_name, "JAN"},
        {nip::surname, "KOWALSKI"},
        {nip::first_name, "JAN"},
        {nip::second_name, "MARIA EWA"},
        {nip::pesel, "60010112345"},
        {nip::mother_name, "JADWIGA"},
        {nip::reg_addr / address_block::locality, cp("ŁÓDŹ")},
    };
    for (const auto& e : texts)
        EXPECT_EQ(getStr(r, e.field), e.text) << e.field.name;
    EXPECT_EQ(getU8(r, nip::form_type), 1);
    EXPECT_EQ(getU8(r, nip::purpose), 2);
    EXPECT_EQ(getU8(r, nip::accounting_kind), 2);
    EXPECT_EQ(getU8(r, nip::accounting_keeper), 1);
    EXPECT_EQ(getDate(r, nip::register_date), (Date4{99, 5, 6}));
    EXPECT_EQ(getDate(r, nip::activity_date), (Date4{2001, 2, 3}));
    EXPECT_EQ(getDate(r, nip::birth_date), (Date4{60, 1, 1}));
    EXPECT_EQ(getDate(r, nip::fill_date), kToday);
    for (const Field& copy : {nip::records_addr, nip::site1_addr})
        EXPECT_TRUE(std::equal(r.begin() + copy.offset, r.begin() + copy.end(), r.begin() + nip::seat_addr.offset))
            << copy.name;
}

TEST_F(PrefillTest, LedgerLettersArriveAsCapitalsOfCodePage1250)
{
    for (const std::uint8_t mode : {1, 2}) {
        SCOPED_TRACE(int(mode));
        SetLetterMode(mode);
        Bytes t = person(4, ToLedgerText(cp("żółć gęślą"), mode));
        setStr(t, ledger::home_commune, ToLedgerText(cp("Ńiemce źle"), mode));
        setStr(t, ledger::home_county, ToLedgerText(cp("łódź"), mode));
        choose(4);
        ASSERT_TRUE(PrefillNip(1, messages));
        Bytes r = recordBuffer(KindRejfor);
        EXPECT_EQ(getStr(r, nip::surname), cp("ŻÓŁĆ"));
        EXPECT_EQ(getStr(r, nip::first_name), cp("GĘŚLĄ"));
        EXPECT_EQ(getStr(r, nip::reg_addr / address_block::commune), cp("ŃIEMCE ŹLE"));
        // The county is taken without the ledger's letter coding.
        EXPECT_EQ(getStr(r, nip::reg_addr / address_block::county), cp1250::upper(ToLedgerText(cp("łódź"), mode)));
    }
    SetLetterMode(2);
    person(5, "\x9e" "wiat");
    choose(5);
    ASSERT_TRUE(PrefillVatR(messages));
    EXPECT_EQ(getStr(recordBuffer(KindVatr), vatr::name), cp("ŚWIAT "));
}

TEST_F(PrefillTest, TaxOfficeFollowsTheSecondOfficeFlag)
{
    const struct {
        std::uint8_t flag, office, secondOffice;
        std::string expected;
    } cases[] = {
        {0, 1, 2, cp("URZĄD SKARBOWY W KIELCACH")},
        {1, 1, 2, cp("DRUGI URZĄD SKARBOWY W ŁODZI")},
        {7, 2, 1, cp("URZĄD SKARBOWY W KIELCACH")},
        {0, 3, 1, ""},
        {1, 1, 0, ""},
    };
    for (const auto& c : cases) {
        Bytes t = company(6, "X");
        setU8(t, ledger::second_office_flag, c.flag);
        setU8(t, ledger::office_index, c.office);
        setU8(t, ledger::second_office_index, c.secondOffice);
        choose(6);
        ASSERT_TRUE(PrefillNip(2, messages));
        EXPECT_EQ(getStr(recordBuffer(KindRejfor), nip::tax_office), c.expected) << int(c.flag) << int(c.office);
    }
}

TEST_F(PrefillTest, NipOneKeepsFieldsItDoesNotName)
{
    person(2, "Nowak Ewa");
    choose(2);
    fillWithPattern(KindRejfor);
    const auto before = snapshot(KindRejfor);
    ASSERT_TRUE(PrefillNip(1, messages));
    expectKept(recordBuffer(KindRejfor), before,
               {nip::office_changed, nip::prev_tax_office, nip::activity_date_kind, nip::foreign_id1_country,
                nip::foreign_id1_purpose, nip::foreign_id2_number, nip::pkd_code, nip::ekd_code,
                nip::refund_to_account1, nip::bank1 / bank_block::closed, nip::bank2, nip::bank3, nip::bank4,
                nip::site1_reason, nip::site2_reason, nip::site2_addr, nip::site3_reason, nip::site3_addr,
                nip::attach_a_count, nip::attach_b_count, nip::attach_c_count, nip::attach_d_count,
                nip::nip3_registered_since, nip::nip3_resident_since, nip::reserved_2373, nip::sex,
                nip::family_name, nip::id_doc_kind, nip::id_doc_no, nip::citizenship, nip::corr_to_residence,
                nip::res_addr, nip::pers_bank, nip::special_status, nip::corr_to_seat, nip::reserved_3302});
    // Characters past a string's new length stay as they were.
    EXPECT_EQ(recordBuffer(KindRejfor)[nip::surname.offset + 6], 0x5A);
}

TEST_F(PrefillTest, NipTwoTakesAtMostSixChainedPartners)
{
    const struct {
        int partners;
        std::uint8_t attachments;
    } cases[] = {{0, 9}, {1, 1}, {3, 1}, {4, 2}, {6, 2}, {7, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.partners);
        Bytes firm = company(1, "Firma");
        setU8(firm, ledger::business_form, 2);
        setI32(firm, ledger::partner_link, c.partners > 0 ? 10 : 0);
        for (int p = 0; p < c.partners; ++p) {
            Bytes partner = company(10 + p, cp("Wspólnik ") + std::to_string(p + 1));
            setI32(partner, ledger::partner_link, p + 1 < c.partners ? 11 + p : -1);
        }
        choose(1);
        ClearRecord(KindRejfor);
        setU8(recordBuffer(KindRejfor), nip::attach_d_count, 9);
        ASSERT_TRUE(PrefillNip(2, messages));
        const Bytes r = recordBuffer(KindRejfor);
        EXPECT_EQ(getU8(r, nip::attach_d_count), c.attachments);
        for (int k = 0; k < 6; ++k) {
            const bool taken = k < c.partners;
            EXPECT_EQ(getU8(r, nip::partners.item(k) / partner_entry::reason), taken ? 3 : 0) << k;
            EXPECT_EQ(partnerName(k), taken ? cp("WSPÓLNIK ") + std::to_string(k + 1) : "") << k;
        }
        EXPECT_EQ(getU8(r, nip::nip2_org_form), 3);
        EXPECT_EQ(getU8(r, nip::nip2_flag_balance_sheet), 2);
        if (c.partners > 0) {
            EXPECT_EQ(getStr(partnerRecord(), ledger::full_name),
                      cp("Wspólnik ") + std::to_string(std::min(c.partners, 6)));
        }
    }
}

TEST_F(PrefillTest, PartnerEntriesDescribePersonsAndFirms)
{
    Bytes firm = company(1, "Firma");
    setU8(firm, ledger::business_form, 3);
    setI32(firm, ledger::partner_link, 10);

    Bytes undated = person(10, cp("nowak ewa"));
    setStr(undated, ledger::nip, "");
    setStr(undated, ledger::pesel, "70010112345");
    setStr(undated, ledger::home_street, cp("łąkowa"));
    setStr(undated, ledger::seat_street, "wrong");
    setI32(undated, ledger::partner_link, 11);

    Bytes dated = person(11, "Lis");
    setDate(dated, ledger::birth_date, Date4{1961, 12, 5});
    setStr(dated, ledger::nip, "123-456-78-90");
    setI32(dated, ledger::partner_link, 12);

    Bytes other = company(12, cp("spółka z o.o."));
    setStr(other, ledger::surname, "wrong");
    setStr(other, ledger::nip, "1234567890");
    setStr(other, ledger::regon, "987654321");
    setStr(other, ledger::seat_street, "polna");
    setI32(other, ledger::partner_link, 13);

    Bytes ownNip = company(13, "Grupa");
    setU8(ownNip, ledger::taxpayer_kind, 2);
    setStr(ownNip, ledger::nip, "PL 123-45");
    setU8(ownNip, ledger::second_office_flag, 1);

    choose(1);
    // Stale values of an earlier form must not survive under a new partner.
    setStr(recordBuffer(KindRejfor), nip::partners.item(0) / partner_entry::nip, "999-999-99-99");
    ASSERT_TRUE(PrefillNip(2, messages));

    namespace pe = partner_entry;
    const Bytes r = recordBuffer(KindRejfor);
    const struct {
        int entry;
        std::uint8_t kind;
        std::string name, nip, regonPesel, street;
    } expected[] = {
        {0, 2, cp("NOWAK EWA    -  -    "), "", "70010112345", cp("ŁĄKOWA")},
        {1, 2, "LIS  05-12-1961", "123-456-78-90", "", ""},
        {2, 1, cp("SPÓŁKA Z O.O."), "123-456-78-90", "987654321", "POLNA"},
        {3, 3, "GRUPA", "PL 123-45", "", ""},
    };
    for (const auto& e : expected) {
        const Field entry = nip::partners.item(e.entry);
        EXPECT_EQ(getU8(r, entry / pe::kind), e.kind) << e.entry;
        EXPECT_EQ(getStr(r, entry / pe::name), e.name) << e.entry;
        EXPECT_EQ(getStr(r, entry / pe::nip), e.nip) << e.entry;
        EXPECT_EQ(getStr(r, entry / pe::regon_pesel), e.regonPesel) << e.entry;
        EXPECT_EQ(getStr(r, entry / pe::addr / address_block::street), e.street) << e.entry;
    }
    EXPECT_EQ(getU8(r, nip::attach_d_count), 2);
}

TEST_F(PrefillTest, PartnershipFormBelowTwoLeavesPartnersAlone)
{
    for (const std::uint8_t form : {0, 1}) {
        Bytes firm = company(1, "Firma");
        setU8(firm, ledger::business_form, form);
        setI32(firm, ledger::partner_link, 10);
        company(10, "Wspólnik");
        choose(1);
        fillWithPattern(KindRejfor);
        const auto before = snapshot(KindRejfor);
        ASSERT_TRUE(PrefillNip(2, messages));
        expectKept(recordBuffer(KindRejfor), before,
                   {nip::partners, nip::attach_d_count, nip::nip2_legal_form, nip::reserved_2419,
                    nip::nip2_special_form_code, nip::nip2_flag_bank, nip::nip2_flag_activity_centre,
                    nip::nip2_parent_full_name, nip::nip2_parent_seat_addr, nip::site3_addr});
    }
}

TEST_F(PrefillTest, LoopingChainEndsAfterSixEntries)
{
    Bytes firm = company(1, "Firma");
    setU8(firm, ledger::business_form, 2);
    setI32(firm, ledger::partner_link, 10);
    setI32(company(10, "A"), ledger::partner_link, 11);
    setI32(company(11, "B"), ledger::partner_link, 10);
    choose(1);
    ASSERT_TRUE(PrefillNip(2, messages));
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(partnerName(k), k % 2 == 0 ? "A" : "B") << k;
    EXPECT_EQ(getU8(recordBuffer(KindRejfor), nip::attach_d_count), 2);
}

TEST_F(PrefillTest, LinkOutsideTheLedgerRaisesAndChangesNothing)
{
    Bytes firm = company(1, "Firma");
    setU8(firm, ledger::business_form, 2);
    setI32(firm, ledger::partner_link, 10);
    setI32(company(10, "A"), ledger::partner_link, 20); // one past the last record
    setStr(partnerRecord(), ledger::full_name, "before");
    choose(1);
    fillWithPattern(KindRejfor);
    const auto before = snapshot(KindRejfor);
    try {
        PrefillNip(2, messages);
        FAIL() << "a link outside the ledger must raise";
    } catch (const IoError& e) {
        EXPECT_EQ(e.code(), IoError::ReadBeyondEnd);
    }
    EXPECT_EQ(snapshot(KindRejfor), before);
    EXPECT_EQ(getStr(partnerRecord(), ledger::full_name), "before");
}

TEST_F(PrefillTest, ForeignAccountIsRefusedWithNothingWritten)
{
    const struct {
        std::string account;
        int kind;
        bool (*prefill)(Messenger&);
    } cases[] = {
        {"99999999", KindRejfor, [](Messenger& m) { return PrefillNip(1, m); }},
        {"$7FFFFFF", KindVatr, PrefillVatR},
        {"20", KindNipb, PrefillNipB},
    };
    for (const auto& c : cases) {
        ledgerFile.taxpayer(4, c.account); // record 4 holds a foreign account text
        choose(4);
        messages.shown.clear();
        fillWithPattern(c.kind);
        const auto before = snapshot(c.kind);
        EXPECT_FALSE(c.prefill(messages)) << c.account;
        EXPECT_EQ(messages.texts(), std::vector<std::string>{"Konto " + c.account +
                                                             " jest poza zbiorem podatników. Zgłoszenie nie "
                                                             "zostanie zapisane."});
        EXPECT_EQ(snapshot(c.kind), before) << c.account;
    }
}

TEST_F(PrefillTest, VatRTakesSeatOrHomeByTaxpayerKind)
{
    Bytes firm = company(2, cp("hurtownia łąka"));
    setStr(firm, ledger::short_name, cp("łąka"));
    setStr(firm, ledger::regon, "123456789");
    setStr(firm, ledger::nip, "526-10-20-300");
    setDate(firm, ledger::start_date, Date4{1998, 4, 1});
    setDate(firm, ledger::birth_date, Date4{1950, 1, 1});
    setStr(firm, ledger::seat_locality, "radom");
    setStr(firm, ledger::home_locality, "wrong");
    setU8(firm, ledger::office_index, 2);
    Bytes p = person(3, "Nowak");
    setStr(p, ledger::first_name, cp("żaneta"));
    setStr(p, ledger::father_name, "jan");
    setStr(p, ledger::mother_name, "ewa");
    setStr(p, ledger::pesel, "80010112345");
    setDate(p, ledger::birth_date, Date4{1980, 1, 1});
    setStr(p, ledger::home_locality, "kielce");

    const struct {
        int account;
        std::uint8_t kind;
        std::string name, name2, id, locality, nip, office;
        Date4 date;
    } cases[] = {
        {2, 0, cp("HURTOWNIA ŁĄKA"), cp("ŁĄKA"), "123456789", "RADOM", "5261020300",
         cp("DRUGI URZĄD SKARBOWY W ŁODZI"), {1998, 4, 1}},
        {3, 1, cp("NOWAK ŻANETA"), "JAN EWA", "80010112345", "KIELCE", "", "", {1980, 1, 1}},
    };
    for (const auto& c : cases) {
        choose(c.account);
        fillWithPattern(KindVatr);
        const auto before = snapshot(KindVatr);
        ASSERT_TRUE(PrefillVatR(messages));
        const Bytes r = recordBuffer(KindVatr);
        EXPECT_EQ(getStr(r, vatr::account_no), std::to_string(c.account));
        EXPECT_EQ(getU8(r, vatr::purpose), 1);
        EXPECT_EQ(getStr(r, vatr::nip), c.nip);
        EXPECT_EQ(getStr(r, vatr::tax_office), c.office);
        EXPECT_EQ(getU8(r, vatr::taxpayer_kind), c.kind);
        EXPECT_EQ(getStr(r, vatr::name), c.name);
        EXPECT_EQ(getStr(r, vatr::name_2), c.name2);
        EXPECT_EQ(getStr(r, vatr::id_no), c.id);
        EXPECT_EQ(getDate(r, vatr::birth_or_start_date), c.date);
        EXPECT_EQ(getStr(r, vatr::addr / address_block::locality), c.locality);
        expectKept(r, before,
                   {vatr::foreign_office_lines, vatr::office_changed, vatr::prev_tax_office, vatr::addr_email,
                    vatr::foreign_vat_no, vatr::c1_items, vatr::declarant_first_name, vatr::declarant_surname,
                    vatr::fill_date, vatr::deposit, vatr::reserved_907});
    }
}

TEST_F(PrefillTest, NipBSplitsAPersonAndDatesTheBirthFrom1900)
{
    Bytes p = person(3, cp("kowalski jan maria"));
    setStr(p, ledger::nip, "123-456-78-90");
    setStr(p, ledger::pesel, "60010112345");
    setDate(p, ledger::birth_date, Date4{60, 1, 15});
    setStr(p, ledger::bank_account_no, "pl 12 ab");
    setStr(p, ledger::bank_name, cp("bank śląski"));
    Bytes firm = company(4, cp("zakład usług leśnych i ogrodniczych \"dąb\" spółka z o.o."));
    setStr(firm, ledger::surname, cp("zakład usług"));
    setStr(firm, ledger::regon, "123456789012345");

    const struct {
        int account;
        std::uint8_t person;
        std::string name, firstName, id, holder, declarantSurname, declarantFirstName;
        Date4 birth;
    } cases[] = {
        {3, 1, "KOWALSKI", "JAN", "60010112345", "JAN KOWALSKI", "KOWALSKI", "JAN", {1960, 1, 15}},
        {4, 0, cp("ZAKŁAD USŁUG LEŚNYCH I OGRODNICZYCH \"DĄB\" SPÓŁKA Z"), "", "12345678901",
         cp("ZAKŁAD USŁUG LEŚNYCH I OGRODNICZYCH \"DĄB"), cp("ZAKŁAD"), cp("USŁUG"), {}},
    };
    for (const auto& c : cases) {
        choose(c.account);
        fillWithPattern(KindNipb);
        const auto before = snapshot(KindNipb);
        ASSERT_TRUE(PrefillNipB(messages));
        const Bytes r = recordBuffer(KindNipb);
        const Field bank1 = nipb::banks.item(0);
        EXPECT_EQ(getU8(r, nipb::is_person), c.person);
        EXPECT_EQ(getStr(r, nipb::name), c.name);
        EXPECT_EQ(getStr(r, nipb::first_name), c.firstName);
        EXPECT_EQ(getDate(r, nipb::birth_date), c.birth);
        EXPECT_EQ(getStr(r, nipb::id_no), c.id);
        EXPECT_EQ(getStr(r, bank1 / bank_block::holder), c.holder);
        EXPECT_EQ(getStr(r, nipb::declarant_surname), c.declarantSurname);
        EXPECT_EQ(getStr(r, nipb::declarant_first_name), c.declarantFirstName);
        EXPECT_EQ(getDate(r, nipb::fill_date), kToday);
        expectKept(r, before, {bank1 / bank_block::closed, nipb::banks.item(1), nipb::banks.item(5), nipb::reserved_892});
    }
    choose(3);
    ASSERT_TRUE(PrefillNipB(messages));
    const Bytes r = recordBuffer(KindNipb);
    EXPECT_EQ(getStr(r, nipb::account_no), "3");
    EXPECT_EQ(getStr(r, nipb::nip), "123-456-78-90");
    EXPECT_EQ(getStr(r, nipb::banks.item(0) / bank_block::number), "pl 12 ab");
    EXPECT_EQ(getStr(r, nipb::banks.item(0) / bank_block::bank_name), cp("BANK ŚLĄSKI"));
}

} // namespace
