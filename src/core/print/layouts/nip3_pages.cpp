// NIP-3, spacing file "odsnip3".
//   1/2: NIP, purpose, tax office, office change, personal data (B.1),
//        changes to B.1 (B.2), numbers obtained abroad (B.3).
//   2/2: registered address and the date since (B.4), correspondence cross,
//        residence address and the date since (B.5), personal bank account
//        (B.6), number of NIP-3 forms filed and the end of business (C),
//        declarant (D), the body passing the form on (E).
#include "core/records/nip_record.h"
#include "core/print/layouts/layout_support.h"
#include "core/print/layouts/nip_sections.h"
#include "core/print/layouts/page_renderers.h"

namespace page_layout {

void nip3Page1(PageWriter& w, ConstBytes rec)
{
    groupedNip(w, rec, nip::nip, 23, kGrouping3322, true);
    w.section(0); // NIP-A
    choiceCross(w, getU8(rec, nip::purpose), {{1, 57}, {2, 129}});
    w.step(9);
    w.plain(30, rec, nip::tax_office);
    w.step(18);
    officeChange(w, rec, nip::office_changed, nip::prev_tax_office, 190, 165);
    w.section(1); // A-B.1
    personalData(w, rec);
    w.section(2); // B.1-B.2
    w.plain(20, rec, nip::nip3_change1_items);
    dateIfSet(w, 62, rec, nip::nip3_change1_date);
    w.plain(120, rec, nip::nip3_change2_items);
    dateIfSet(w, 160, rec, nip::nip3_change2_date); // a spaced date ends on the sheet from 160
    w.section(3); // B.2-B.3
    foreignIdRows(w, rec, 70);
}

void nip3Page2(PageWriter& w, ConstBytes rec)
{
    w.address(rec, nip::nip3_reg_addr, PageWriter::AddressVariant::Nip);
    w.step(9);
    dateIfSet(w, 60, rec, nip::nip3_registered_since);
    w.sectionLine(4); // B.4-B.5
    correspondenceAddress(w, rec, nip::nip3_corr_to_residence, nip::nip3_res_addr);
    w.step(9);
    dateIfSet(w, 60, rec, nip::nip3_resident_since);
    w.sectionLine(5); // B.5-B.6
    bankAccount(w, rec, nip::nip3_pers_bank);
    w.sectionLine(6); // B.6-C
    attachmentCounts(w, rec, {{nip::attach_a_count, 80}});
    w.step(9);
    dateIfSet(w, 120, rec, nip::activity_date);
    w.sectionLine(7); // C-D
    declarant(w, rec, kNipRecordDeclarant, kNipDeclarant);
    w.sectionLine(8); // D-E
    nipAndName(w, rec, nip::nip3_agent_nip, nip::nip3_agent_name);
}

} // namespace page_layout
