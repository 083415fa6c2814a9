#include "core/ledger/prefill.h"

#include "core/common/app_state.h"
#include "core/records/ledger_params.h"
#include "core/common/clock.h"
#include "core/common/cp1250.h"
#include "core/common/date_text.h"
#include "core/common/polish_letters.h"
#include "core/common/text_routines.h"
#include "core/records/nip_record.h"
#include "core/records/vat_records.h"
#include "core/ledger/ledger_access.h"
#include "core/records/ledger_record.h"
#include "core/register/record_kind.h"
#include "core/register/register_state.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <optional>
#include <vector>

namespace {

using LedgerRecord = std::array<std::uint8_t, ledger::kRecordSize>;

// Ledger texts reach the forms in capitals of code page 1250.
std::string up(std::string_view text) { return cp1250::upper(text); }
std::string upConv(std::string_view text) { return cp1250::upper(LedgerText(text)); }

std::string_view part(std::string_view text, std::size_t from, std::size_t length)
{
    return from < text.size() ? text.substr(from, length) : std::string_view{};
}

void copyDate(Bytes to, const Field& target, ConstBytes from, const Field& source)
{
    setDate(to, target, getDate(from, source));
}

void copyBlock(Bytes record, const Field& target, const Field& source)
{
    std::copy_n(record.begin() + source.offset, source.width, record.begin() + target.offset);
}

// Ledger text fields copied to a form field of the same meaning, up(conv).
struct TextCopy {
    Field target;
    Field source;
};

constexpr TextCopy kNipRegistration[] = {
    {nip::full_name, ledger::full_name},           {nip::short_name, ledger::short_name},
    {nip::reg_organ_name, ledger::reg_organ_name}, {nip::register_name, ledger::register_name},
    {nip::register_no, ledger::register_no},
};

constexpr TextCopy kNip1Parents[] = {
    {nip::father_name, ledger::father_name},
    {nip::mother_name, ledger::mother_name},
    {nip::birth_place, ledger::birth_place},
};

void copyTexts(Bytes to, std::span<const TextCopy> copies, ConstBytes taxpayer)
{
    for (const TextCopy& c : copies)
        setStr(to, c.target, upConv(getStr(taxpayer, c.source)));
}

// The ledger keeps two addresses; the county is kept without the ledger's
// Polish-letter coding.
enum class AddressSource { Home, Seat };

struct AddressPart {
    Field member;
    Field home;
    Field seat;
    bool convert;
};

constexpr AddressPart kAddressParts[] = {
    {address_block::country, ledger::home_country, ledger::seat_country, true},
    {address_block::voivodeship, ledger::home_voivodeship, ledger::seat_voivodeship, true},
    {address_block::county, ledger::home_county, ledger::seat_county, false},
    {address_block::commune, ledger::home_commune, ledger::seat_commune, true},
    {address_block::street, ledger::home_street, ledger::seat_street, true},
    {address_block::house_no, ledger::home_house_no, ledger::seat_house_no, true},
    {address_block::flat_no, ledger::home_flat_no, ledger::seat_flat_no, true},
    {address_block::locality, ledger::home_locality, ledger::seat_locality, true},
    {address_block::postcode, ledger::home_postcode, ledger::seat_postcode, true},
    {address_block::post_office, ledger::home_post_office, ledger::seat_post_office, true},
    {address_block::phone, ledger::home_phone, ledger::seat_phone, true},
    {address_block::fax, ledger::home_fax, ledger::seat_fax, true},
};

void fillAddress(Bytes to, const Field& block, ConstBytes taxpayer, AddressSource from)
{
    for (const AddressPart& p : kAddressParts) {
        const std::string text = getStr(taxpayer, from == AddressSource::Home ? p.home : p.seat);
        setStr(to, block / p.member, p.convert ? upConv(text) : up(text));
    }
}

// The office the form goes to: the second office when the ledger says so.
std::string taxOfficeOf(ConstBytes taxpayer)
{
    const Field& index = getU8(taxpayer, ledger::second_office_flag) != 0 ? ledger::second_office_index
                                                                          : ledger::office_index;
    return upConv(TaxOfficeName(getU8(taxpayer, index)));
}

// What a pre-fill changes, kept aside until the whole fill has succeeded,
// and what the operator is to be told then.
struct Draft {
    std::vector<std::uint8_t> record;
    std::optional<LedgerRecord> lastPartner;
    std::vector<std::string> notes;
};

using Fill = void (*)(Draft& draft, ConstBytes taxpayer, const LedgerFile& file, std::uint8_t formType);

bool prefillBuffer(int kind, Messenger& messages, Fill fill, std::uint8_t formType = 0)
{
    const LedgerFile file = OpenLedger();
    ConstBytes taxpayer = currentTaxpayer();
    if (!CheckLedgerAccount(getStr(taxpayer, ledger::account_no), file.recordCount(), messages))
        return false;
    Bytes buffer = recordBuffer(kind);
    Draft draft{{buffer.begin(), buffer.end()}, std::nullopt, {}};
    fill(draft, taxpayer, file, formType);
    std::ranges::copy(draft.record, buffer.begin());
    if (draft.lastPartner)
        std::ranges::copy(*draft.lastPartner, partnerRecord().begin());
    for (const std::string& note : draft.notes)
        messages.inform(note);
    return true;
}

// REGON ----------------------------------------------------------------------

// The most digits a form's REGON box takes: fourteen (a local unit) where
// the field holds 15 characters, else what the field holds.
constexpr std::size_t kLongestRegon = 14;

// The ledger's REGON reduced to its digits, as the form's box shows it. A
// REGON longer than the form takes is left out rather than cut into a wrong
// number, and the operator is told (`whose`: "" for the taxpayer, else
// whose REGON it is).
std::string regonFor(const Field& target, ConstBytes taxpayer, Draft& draft, const std::string& whose = {})
{
    const std::string digits = DigitsOnly(getStr(taxpayer, ledger::regon));
    const std::size_t room = std::min<std::size_t>(target.capacity(), kLongestRegon);
    if (digits.size() <= room)
        return digits;
    draft.notes.push_back("REGON " + whose + digits + " z PKPiR ma " + std::to_string(digits.size()) +
                          " cyfr, a formularz mieści najwyżej " + std::to_string(room) +
                          ". Pole REGON pozostawiono puste.");
    return {};
}

// NIP ---------------------------------------------------------------------

// A partner's NIP: as the ledger keeps it when its second-office flag is
// set, else grouped like a NIP-1 NIP from its digits.
std::string partnerNip(ConstBytes partner)
{
    const std::string stored = getStr(partner, ledger::nip);
    if (getU8(partner, ledger::second_office_flag) != 0)
        return stored;
    return NipText(DigitsOnly(stored), 1);
}

void fillPartner(Draft& draft, std::uint32_t n, ConstBytes partner)
{
    const Bytes to = draft.record;
    const Field entry = nip::partners.item(n);
    namespace pe = partner_entry;
    const auto kind = static_cast<std::uint8_t>(getU8(partner, ledger::taxpayer_kind) + 1);
    const bool person = kind == 2;
    setU8(to, entry / pe::reason, 3); // "zmiana danych"
    setU8(to, entry / pe::kind, kind);
    setStr(to, entry / pe::nip, partnerNip(partner));
    if (person) {
        setStr(to, entry / pe::name,
               upConv(getStr(partner, ledger::surname)) + "  " + DateText(getDate(partner, ledger::birth_date)));
        setStr(to, entry / pe::regon_pesel, getStr(partner, ledger::pesel));
    } else {
        setStr(to, entry / pe::name, upConv(getStr(partner, ledger::full_name)));
        setStr(to, entry / pe::regon_pesel,
               regonFor(entry / pe::regon_pesel, partner, draft, "wspólnika nr " + std::to_string(n + 1) + ": "));
    }
    fillAddress(to, entry / pe::addr, partner, person ? AddressSource::Home : AddressSource::Seat);
}

// Follows the partnership's chain of partner records, at most six of them
// (so a chain that loops ends too).
void fillPartners(Draft& draft, ConstBytes taxpayer, const LedgerFile& file)
{
    if (getU8(taxpayer, ledger::business_form) <= 1)
        return;
    LedgerRecord partner{};
    std::uint32_t taken = 0;
    for (std::int32_t link = getI32(taxpayer, ledger::partner_link); link > 0 && taken < nip::kPartnerCount;
         link = getI32(partner, ledger::partner_link)) {
        file.readRecord(static_cast<std::uint64_t>(link), partner);
        fillPartner(draft, taken, partner);
        ++taken;
    }
    if (taken == 0)
        return;
    setU8(draft.record, nip::attach_d_count, taken <= 3 ? 1 : 2);
    draft.lastPartner = partner;
}

void fillNip1Person(Bytes to, ConstBytes taxpayer)
{
    const Split3 names = split3(getStr(taxpayer, ledger::surname));
    setStr(to, nip::declarant_surname, upConv(names.first));
    setStr(to, nip::declarant_first_name, upConv(names.second));
    setStr(to, nip::pesel, getStr(taxpayer, ledger::pesel));
    setStr(to, nip::surname, getStr(to, nip::declarant_surname));
    setStr(to, nip::first_name, upConv(names.second));
    setStr(to, nip::second_name, upConv(names.rest));
    copyTexts(to, kNip1Parents, taxpayer);
    copyDate(to, nip::birth_date, taxpayer, ledger::birth_date);
    fillAddress(to, nip::reg_addr, taxpayer, AddressSource::Home);
}

void fillNip(Draft& draft, ConstBytes taxpayer, const LedgerFile& file, std::uint8_t formType)
{
    const Bytes to = draft.record;
    setU8(to, nip::form_type, formType);
    setStr(to, nip::account_no, getStr(taxpayer, ledger::account_no));
    setU8(to, nip::purpose, 2); // "Zgłoszenie aktualizacyjne"
    setStr(to, nip::nip, DigitsOnly(getStr(taxpayer, ledger::nip)));

    setStr(to, nip::tax_office, taxOfficeOf(taxpayer));

    copyTexts(to, kNipRegistration, taxpayer);
    setStr(to, nip::regon, regonFor(nip::regon, taxpayer, draft));
    copyDate(to, nip::register_date, taxpayer, ledger::register_date);

    fillAddress(to, nip::seat_addr, taxpayer, AddressSource::Seat);

    copyDate(to, nip::activity_date, taxpayer, ledger::start_date);
    const std::string activity = getStr(taxpayer, ledger::activity_desc);
    setStr(to, nip::activity_desc_1, upConv(part(activity, 0, 30)));
    setStr(to, nip::activity_desc_2, upConv(part(activity, 30, 25)));
    setStr(to, nip::activity_desc_3, "");

    setStr(to, nip::bank1 / bank_block::bank_name, up(getStr(taxpayer, ledger::bank_name)));
    setStr(to, nip::bank1 / bank_block::number, upConv(getStr(taxpayer, ledger::bank_account_no)));
    setStr(to, nip::bank1 / bank_block::holder, upConv(getStr(taxpayer, ledger::full_name)));

    setU8(to, nip::accounting_kind, getU8(taxpayer, ledger::other_records_flag) != 0 ? 3 : 2);
    setU8(to, nip::accounting_keeper, 1); // "w biurze rachunkowym"
    const AppState& app = appState();
    setStr(to, nip::office_nip, getStr(app.ledgerParams, ledger_params::office_nip));
    setStr(to, nip::office_name, up(part(app.officeLines[0], 0, 40)) + " " + up(part(app.officeLines[1], 0, 40)));

    copyBlock(to, nip::records_addr, nip::seat_addr);
    copyBlock(to, nip::site1_addr, nip::seat_addr);

    if (formType == 1)
        fillNip1Person(to, taxpayer);

    setDate(to, nip::fill_date, today());

    if (formType == 2) {
        setU8(to, nip::nip2_org_form, 3);
        setU8(to, nip::nip2_flag_balance_sheet, 2); // not ticked
        fillPartners(draft, taxpayer, file);
    }
}

// VAT-R --------------------------------------------------------------------

void fillVatR(Draft& draft, ConstBytes taxpayer, const LedgerFile&, std::uint8_t)
{
    const Bytes to = draft.record;
    setStr(to, vatr::account_no, getStr(taxpayer, ledger::account_no));
    setU8(to, vatr::purpose, 1); // "Zgłoszenie identyfikacyjne"
    setStr(to, vatr::nip, DigitsOnly(getStr(taxpayer, ledger::nip)));
    setStr(to, vatr::tax_office, taxOfficeOf(taxpayer));

    const std::uint8_t kind = getU8(taxpayer, ledger::taxpayer_kind);
    setU8(to, vatr::taxpayer_kind, kind);
    const auto text = [&](const Field& f) { return getStr(taxpayer, f); };
    if (kind == 0) {
        setStr(to, vatr::name, upConv(text(ledger::full_name)));
        setStr(to, vatr::name_2, upConv(text(ledger::short_name)));
        setStr(to, vatr::id_no, regonFor(vatr::id_no, taxpayer, draft));
        copyDate(to, vatr::birth_or_start_date, taxpayer, ledger::start_date);
    } else {
        setStr(to, vatr::name, upConv(text(ledger::surname) + " " + text(ledger::first_name)));
        setStr(to, vatr::name_2, upConv(text(ledger::father_name) + " " + text(ledger::mother_name)));
        setStr(to, vatr::id_no, text(ledger::pesel));
        copyDate(to, vatr::birth_or_start_date, taxpayer, ledger::birth_date);
    }
    fillAddress(to, vatr::addr, taxpayer, kind == 0 ? AddressSource::Seat : AddressSource::Home);
}

// NIP-B --------------------------------------------------------------------

void fillNipB(Draft& draft, ConstBytes taxpayer, const LedgerFile&, std::uint8_t)
{
    const Bytes to = draft.record;
    const Field bank1 = nipb::banks.item(0);
    setStr(to, nipb::account_no, getStr(taxpayer, ledger::account_no));
    setStr(to, nipb::nip, getStr(taxpayer, ledger::nip));
    const std::uint8_t kind = getU8(taxpayer, ledger::taxpayer_kind);
    setU8(to, nipb::is_person, kind);

    const Split3 names = split3(upConv(getStr(taxpayer, ledger::surname)));
    if (kind == 0) {
        setStr(to, nipb::name, upConv(getStr(taxpayer, ledger::full_name)));
        setStr(to, nipb::first_name, "");
        setDate(to, nipb::birth_date, Date4{});
        setStr(to, nipb::id_no, regonFor(nipb::id_no, taxpayer, draft));
        setStr(to, bank1 / bank_block::holder, getStr(to, nipb::name));
    } else {
        setStr(to, nipb::name, names.first);
        setStr(to, nipb::first_name, names.second);
        // The ledger keeps a person's birth year here as years after 1900.
        Date4 birth = getDate(taxpayer, ledger::birth_date);
        birth.year = static_cast<std::uint16_t>(birth.year + 1900);
        setDate(to, nipb::birth_date, birth);
        setStr(to, nipb::id_no, getStr(taxpayer, ledger::pesel));
        setStr(to, bank1 / bank_block::holder, getStr(to, nipb::first_name) + " " + getStr(to, nipb::name));
    }

    setStr(to, bank1 / bank_block::number, getStr(taxpayer, ledger::bank_account_no));
    setStr(to, bank1 / bank_block::bank_name, up(getStr(taxpayer, ledger::bank_name)));

    setStr(to, nipb::declarant_surname, names.first);
    setStr(to, nipb::declarant_first_name, names.second);

    setDate(to, nipb::fill_date, today());
}

} // namespace

Split3 split3(std::string_view text)
{
    text = part(text, 0, 40);
    const auto skipBlanks = [&] {
        while (!text.empty() && text.front() == ' ')
            text.remove_prefix(1);
    };
    const auto takeWord = [&] {
        skipBlanks();
        const std::size_t end = std::min(text.find(' '), text.size());
        std::string word(text.substr(0, end));
        text.remove_prefix(end);
        return word;
    };
    Split3 words;
    words.first = takeWord();
    words.second = takeWord();
    skipBlanks();
    words.rest = std::string(text);
    return words;
}

bool PrefillNip(std::uint8_t formType, Messenger& messages)
{
    assert(formType == 1 || formType == 2);
    return prefillBuffer(KindRejfor, messages, fillNip, formType);
}

bool PrefillVatR(Messenger& messages) { return prefillBuffer(KindVatr, messages, fillVatR); }

bool PrefillNipB(Messenger& messages) { return prefillBuffer(KindNipb, messages, fillNipB); }
