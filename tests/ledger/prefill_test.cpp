#include "core/common/app_state.h"
#include "core/records/ledger_params.h"
#include "core/common/clock.h"
#include "core/common/io_error.h"
#include "core/common/polish_letters.h"
#include "core/records/nip_record.h"
#include "core/records/vat_records.h"
#include "core/ledger/ledger_access.h"
#include "core/ledger/prefill.h"
#include "ledger_test_files.h"
#include "core/register/register_ops.h"
#include "core/register/register_state.h"
#include "support/io_error_code.h"
#include "support/scripted_messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

// Readable failures for split3.
void PrintTo(const Split3& s, std::ostream* out) { *out << '[' << s.first << '|' << s.second << '|' << s.rest << ']'; }

namespace {

const Date4 kToday{2005, 3, 14};

// A ledger text and what one form field holds after the pre-fill.
struct Copy {
    Field from;
    std::string text;
    Field to;
    std::string expected;
};

bool prefillNip1(Messenger& m) { return PrefillNip(1, m); }

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
    Bytes company(int n, std::string_view fullName, std::int32_t partnerLink = 0)
    {
        Bytes r = ledgerFile.taxpayer(n, std::to_string(n));
        setStr(r, ledger::full_name, fullName);
        setI32(r, ledger::partner_link, partnerLink);
        return r;
    }
    // A partnership at record 1 whose partner chain starts at record 10.
    void partnership(std::uint8_t businessForm)
    {
        setU8(company(1, "Firma", 10), ledger::business_form, businessForm);
    }
    // Saves the ledger, makes record n the current taxpayer and fills the
    // kind's buffer with a pattern; returns that buffer as it was.
    std::vector<std::uint8_t> choose(int n, int kind = KindRejfor)
    {
        ledgerFile.save();
        EXPECT_TRUE(LookupLedgerAccount(std::to_string(n), messages));
        std::ranges::fill(recordBuffer(kind), 0x5A);
        return snapshot(kind);
    }
    static std::vector<std::uint8_t> snapshot(int kind)
    {
        Bytes b = recordBuffer(kind);
        return {b.begin(), b.end()};
    }
    // Writes the copies' texts into taxpayer n, pre-fills the kind's buffer
    // from it and checks every target field; returns the buffer.
    Bytes fill(int n, int kind, bool (*prefill)(Messenger&), std::initializer_list<Copy> copies)
    {
        for (const Copy& c : copies)
            setStr(ledgerFile.record(n), c.from, c.text);
        choose(n, kind);
        EXPECT_TRUE(prefill(messages));
        EXPECT_TRUE(messages.shown.empty());
        const Bytes r = recordBuffer(kind);
        for (const Copy& c : copies)
            EXPECT_EQ(getStr(r, c.to), c.expected) << c.to.name;
        return r;
    }
};

std::string partnerName(int k) { return getStr(recordBuffer(KindRejfor), nip::partners.item(k) / partner_entry::name); }

TEST(Split3, SplitsTwoWordsAndKeepsTheRestAsStored)
{
    const struct {
        std::string_view text;
        Split3 words;
    } cases[] = {
        {"Kowalski Jan Maria", {"Kowalski", "Jan", "Maria"}},
        {"Kowalski", {"Kowalski", "", ""}},
        {"   Nowak    Ewa   Zofia  Anna ", {"Nowak", "Ewa", "Zofia  Anna "}},
        {"Abcdefghij Abcdefghij Abcdefghij Abcdefghij", {"Abcdefghij", "Abcdefghij", "Abcdefghij Abcdefg"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(split3(c.text), c.words) << c.text;
}

TEST_F(PrefillTest, NipOneCarriesTheLedgerTaxpayer)
{
    Bytes t = person(3, "");
    setU8(t, ledger::office_index, 1);
    setDate(t, ledger::birth_date, Date4{60, 1, 1});
    const std::string name = cp("kowalski jan maria ewa");
    const Bytes r = fill(3, KindRejfor, prefillNip1, {
        {ledger::nip, "123-456-78-90", nip::nip, "1234567890"},
        {ledger::full_name, cp("zakład ślusarski"), nip::full_name, cp("ZAKŁAD ŚLUSARSKI")},
        {ledger::full_name, cp("zakład ślusarski"), nip::bank1 / bank_block::holder, cp("ZAKŁAD ŚLUSARSKI")},
        {ledger::regon, "19-123456-7 ", nip::regon, "191234567"},
        {ledger::seat_street, cp("źródlana"), nip::seat_addr / address_block::street, cp("ŹRÓDLANA")},
        {ledger::seat_street, cp("źródlana"), nip::site1_addr / address_block::street, cp("ŹRÓDLANA")},
        {ledger::home_locality, cp("łódź"), nip::reg_addr / address_block::locality, cp("ŁÓDŹ")},
        {ledger::activity_desc, std::string(30, 'a') + "bb", nip::activity_desc_1, std::string(30, 'A')},
        {ledger::activity_desc, std::string(30, 'a') + "bb", nip::activity_desc_2, "BB"},
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
    EXPECT_EQ(getStr(r, nip::activity_desc_3), "");
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

// A partnership (business form 2 or more) takes its chain of partners;
// attach_d_count is kept when no partner is taken.
TEST_F(PrefillTest, NipTwoTakesAtMostSixChainedPartners)
{
    const struct {
        std::uint8_t businessForm;
        int partners;
        int taken;
        std::uint8_t attachments;
    } cases[] = {{2, 0, 0, 9}, {2, 1, 1, 1}, {2, 3, 3, 1}, {2, 4, 4, 2}, {3, 7, 6, 2}, {0, 2, 0, 9}, {1, 2, 0, 9}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.businessForm) << '/' << c.partners);
        setU8(company(1, "Firma", c.partners > 0 ? 10 : 0), ledger::business_form, c.businessForm);
        for (int p = 0; p < c.partners; ++p)
            company(10 + p, cp("Wspólnik ") + std::to_string(p + 1), p + 1 < c.partners ? 11 + p : -1);
        setStr(partnerRecord(), ledger::full_name, "before");
        choose(1);
        ClearRecord(KindRejfor);
        setU8(recordBuffer(KindRejfor), nip::attach_d_count, 9);
        ASSERT_TRUE(PrefillNip(2, messages));
        const Bytes r = recordBuffer(KindRejfor);
        EXPECT_EQ(getU8(r, nip::attach_d_count), c.attachments);
        for (int k = 0; k < 6; ++k) {
            const bool taken = k < c.taken;
            EXPECT_EQ(getU8(r, nip::partners.item(k) / partner_entry::reason), taken ? 3 : 0) << k;
            EXPECT_EQ(partnerName(k), taken ? cp("WSPÓLNIK ") + std::to_string(k + 1) : "") << k;
        }
        EXPECT_EQ(getU8(r, nip::nip2_org_form), 3);
        EXPECT_EQ(getStr(partnerRecord(), ledger::full_name),
                  c.taken > 0 ? cp("Wspólnik ") + std::to_string(c.taken) : "before");
    }
}

TEST_F(PrefillTest, PartnerEntriesDescribePersonsAndFirms)
{
    partnership(3);
    Bytes undated = person(10, cp("nowak ewa"));
    setStr(undated, ledger::pesel, "70010112345");
    setStr(undated, ledger::home_street, cp("łąkowa"));
    setI32(undated, ledger::partner_link, 11);

    Bytes dated = person(11, "Lis");
    setDate(dated, ledger::birth_date, Date4{1961, 12, 5});
    setStr(dated, ledger::nip, "123-456-78-90");
    setI32(dated, ledger::partner_link, 12);

    Bytes other = company(12, cp("spółka z o.o."), 13);
    setStr(other, ledger::nip, "1234567890");
    setStr(other, ledger::regon, "987654321");
    setStr(other, ledger::seat_street, "polna");

    Bytes ownNip = company(13, "Grupa");
    setU8(ownNip, ledger::taxpayer_kind, 2);
    setStr(ownNip, ledger::nip, "PL 123-45");
    setU8(ownNip, ledger::second_office_flag, 1);

    choose(1); // stale values of an earlier form must not survive under a new partner
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

// A REGON arrives as its digits: nine, or fourteen for a local unit. Where
// the form keeps fewer, a longer one is left out and the operator told.
TEST_F(PrefillTest, ARegonArrivesAsDigitsOrIsReportedWhenItDoesNotFit)
{
    const std::string localUnit = "123456789-01234"; // the ledger holds 15 characters
    const std::string tooLong = "REGON 12345678901234 z PKPiR ma 14 cyfr, a formularz mieści najwyżej 11. "
                                "Pole REGON pozostawiono puste.";
    const struct {
        const char* form;
        int kind;
        bool (*prefill)(Messenger&);
        Field field;
        std::string expected;
        std::vector<std::string> told;
    } cases[] = {
        {"NIP-1", KindRejfor, prefillNip1, nip::regon, "12345678901234", {}},
        {"VAT-R", KindVatr, PrefillVatR, vatr::id_no, "12345678901234", {}},
        {"NIP-B", KindNipb, PrefillNipB, nipb::id_no, "", {tooLong}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.form);
        setStr(company(2, "Oddział"), ledger::regon, localUnit);
        choose(2, c.kind);
        messages.shown.clear();
        ASSERT_TRUE(c.prefill(messages));
        EXPECT_EQ(getStr(recordBuffer(c.kind), c.field), c.expected);
        EXPECT_EQ(messages.texts(), c.told);
    }

    partnership(2);
    setStr(company(10, "A", 11), ledger::regon, "123 456 789");
    setStr(company(11, "B"), ledger::regon, localUnit);
    choose(1);
    messages.shown.clear();
    ASSERT_TRUE(PrefillNip(2, messages));
    const Bytes r = recordBuffer(KindRejfor);
    EXPECT_EQ(getStr(r, nip::partners.item(0) / partner_entry::regon_pesel), "123456789");
    EXPECT_EQ(getStr(r, nip::partners.item(1) / partner_entry::regon_pesel), "");
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"REGON wspólnika nr 2: 12345678901234 z PKPiR ma 14 cyfr, "
                                                         "a formularz mieści najwyżej 11. Pole REGON pozostawiono "
                                                         "puste."});
}

// A looping chain ends after six entries; a link outside the ledger raises
// and changes nothing.
TEST_F(PrefillTest, PartnerChainEndsAfterSixOrRaisesOutsideTheLedger)
{
    partnership(2);
    company(10, "A", 11);
    company(11, "B", 10);
    choose(1);
    ASSERT_TRUE(PrefillNip(2, messages));
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(partnerName(k), k % 2 == 0 ? "A" : "B") << k;

    company(11, "B", 20); // one past the last record
    setStr(partnerRecord(), ledger::full_name, "before");
    const auto before = choose(1);
    EXPECT_EQ(ioErrorCode([&] { PrefillNip(2, messages); }), IoError::ReadBeyondEnd);
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
        {"99999999", KindRejfor, prefillNip1},
        {"$7FFFFFF", KindVatr, PrefillVatR},
        {"20", KindNipb, PrefillNipB},
    };
    for (const auto& c : cases) {
        ledgerFile.taxpayer(4, c.account);
        const auto before = choose(4, c.kind);
        messages.shown.clear();
        EXPECT_FALSE(c.prefill(messages)) << c.account;
        EXPECT_EQ(messages.texts(), std::vector<std::string>{"Konto " + c.account +
                                                             " jest poza zbiorem podatników. Zgłoszenie nie "
                                                             "zostanie zapisane."});
        EXPECT_EQ(snapshot(c.kind), before) << c.account;
    }
}

TEST_F(PrefillTest, VatRTakesSeatOrHomeByTaxpayerKind)
{
    Bytes firm = company(2, "");
    setDate(firm, ledger::start_date, Date4{1998, 4, 1});
    setU8(firm, ledger::office_index, 2);
    const Bytes r = fill(2, KindVatr, PrefillVatR, {
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

    setDate(person(3, ""), ledger::birth_date, Date4{1980, 1, 1});
    fill(3, KindVatr, PrefillVatR, {
        {ledger::surname, "Nowak", vatr::name, cp("NOWAK ŻANETA")},
        {ledger::first_name, cp("żaneta"), vatr::name, cp("NOWAK ŻANETA")},
        {ledger::father_name, "jan", vatr::name_2, "JAN EWA"},
        {ledger::mother_name, "ewa", vatr::name_2, "JAN EWA"},
        {ledger::pesel, "80010112345", vatr::id_no, "80010112345"},
        {ledger::home_locality, "kielce", vatr::addr / address_block::locality, "KIELCE"},
    });
    EXPECT_EQ(getU8(r, vatr::taxpayer_kind), 1);
    EXPECT_EQ(getDate(r, vatr::birth_or_start_date), (Date4{1980, 1, 1}));
}

TEST_F(PrefillTest, NipBSplitsAPersonAndDatesTheBirthFrom1900)
{
    const Field bank1 = nipb::banks.item(0);
    const std::string name = cp("kowalski jan maria");
    setDate(person(3, ""), ledger::birth_date, Date4{60, 1, 15});
    const Bytes r = fill(3, KindNipb, PrefillNipB, {
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
    company(4, "");
    fill(4, KindNipb, PrefillNipB, {
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
