// NIP-1, spacing file "odsnip1".
//   1/4: NIP, purpose, tax office, office change, personal data (B.1),
//        numbers obtained abroad (B.2).
//   2/4: registered address (B.3), correspondence cross and residence
//        address (B.4), personal bank account (B.5), activity date (C.1),
//        REGON (C.2), activity description with PKD/EKD (C.3), special
//        status (C.4), refund cross and business accounts 1-2 (C.5).
//   3/4: business accounts 3-4 (C.5 cont.), kind of accounting records
//        (C.6), who keeps them (C.6.1), accounting office (C.6.2), where the
//        records are kept (C.6.3), registering body (C.7.1), full and short
//        name (C.7.2).
//   4/4: correspondence cross and seat address (C.8), places of business
//        1-2 (C.9), attachment counts A-C (D), declarant (E).
#include "core/records/nip_record.h"
#include "core/print/layouts/layout_support.h"
#include "core/print/layouts/nip_sections.h"
#include "core/print/layouts/page_renderers.h"

namespace page_layout {

namespace {
using Addr = PageWriter::AddressVariant;
constexpr RegisterFields kRegister{nip::reg_organ_name, nip::register_name, nip::register_date, nip::register_no};
} // namespace

void nip1Page1(PageWriter& w, ConstBytes rec)
{
    groupedNip(w, rec, nip::nip, 23, kGrouping3322, false);
    w.section(0); // NIP-A
    choiceCross(w, getU8(rec, nip::purpose), {{1, 57}, {2, 129}});
    w.step(9);
    w.plain(30, rec, nip::tax_office);
    w.section(1); // A.4-A.6
    officeChange(w, rec, nip::office_changed, nip::prev_tax_office, 190, 165);
    w.section(2); // A.6-B.1
    personalData(w, rec);
    w.section(3); // B.1-B.2
    foreignIdRows(w, rec, 67);
}

void nip1Page2(PageWriter& w, ConstBytes rec)
{
    w.address(rec, nip::reg_addr, Addr::Nip);
    w.sectionLine(4); // B.3-B.4
    correspondenceAddress(w, rec, nip::corr_to_residence, nip::res_addr);
    w.sectionLine(5); // B.4-B.5
    bankAccount(w, rec, nip::pers_bank);
    w.sectionLine(6); // B.5-C.1
    activityDate(w, rec, {{1, 40}, {2, 95}, {3, 150}});
    w.sectionLine(7); // C.1-C.2
    w.spaced(80, rec, nip::regon);
    w.sectionLine(8); // C.2-C.3
    activityDescription(w, rec);
    w.sectionLine(9); // C.3-C.4
    choiceCross(w, getU8(rec, nip::special_status), {{1, 30}, {2, 90}, {3, 150}});
    w.sectionLine(10); // C.4-C.5
    businessAccounts(w, rec, {nip::bank1, nip::bank2});
}

void nip1Page3(PageWriter& w, ConstBytes rec)
{
    bankAccounts(w, rec, {nip::bank3, nip::bank4});
    w.sectionLine(11); // C.5-C.6
    accountingKind(w, rec);
    w.sectionLine(12); // C.6-C.6.1
    accountingKeeper(w, rec);
    w.sectionLine(13); // C.6.1-C.6.2
    nipAndName(w, rec, nip::office_nip, nip::office_name);
    w.sectionLine(14); // C.6.2-C.6.3
    w.address(rec, nip::records_addr, Addr::Nip);
    w.sectionLine(15); // C.6.3-C.7.1
    registerBlock(w, rec, kRegister);
    w.sectionLine(16); // C.7.1-C.7.2
    fullAndShortName(w, rec, nip::full_name, nip::short_name);
}

void nip1Page4(PageWriter& w, ConstBytes rec)
{
    correspondenceAddress(w, rec, nip::corr_to_seat, nip::seat_addr);
    w.sectionLine(17); // C.8-C.9
    businessSites(w, rec, {{nip::site1_reason, nip::site1_addr}, {nip::site2_reason, nip::site2_addr}});
    w.sectionLine(18); // C.9-D
    attachmentCounts(w, rec, {{nip::attach_a_count, 40}, {nip::attach_b_count, 100}, {nip::attach_c_count, 160}});
    w.sectionLine(19); // D-E
    declarant(w, rec, kNipRecordDeclarant, kNipDeclarant);
}

} // namespace page_layout
