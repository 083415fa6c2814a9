// NIP-2, spacing file "odsnip2".
//   1/4: NIP, purpose, tax office, office change, full and short name,
//        REGON (B.1), registering body (B.2), seat address (B.3).
//   2/4: activity date (B.4), organisational and legal form with the
//        special form code (B.5), the eight supplementary yes/no boxes
//        (B.6), numbers obtained abroad (B.7), activity description with
//        PKD/EKD (B.8), refund cross and business accounts 1-3 (B.9).
//   3/4: kind of accounting records and who keeps them (B.10), accounting
//        office (B.10.1), where the records are kept (B.10.2), places of
//        business 1-3 (B.11).
//   4/4: parent unit's names, NIP and REGON (C.1), its registering body
//        (C.2), its seat address (C.3), attachment counts A-D (D),
//        declarant (E).
#include "core/records/nip_record.h"
#include "core/print/layouts/layout_support.h"
#include "core/print/layouts/nip_sections.h"
#include "core/print/layouts/page_renderers.h"

namespace page_layout {

namespace {

using Addr = PageWriter::AddressVariant;

constexpr RegisterFields kRegister{nip::reg_organ_name, nip::register_name, nip::register_date, nip::register_no};
constexpr RegisterFields kParentRegister{nip::nip2_parent_organ_name, nip::nip2_parent_register_name,
                                         nip::nip2_parent_register_date, nip::nip2_parent_register_no};

// A yes/no box stored as 1 (yes), 2 (no) or 0 (not stated).
struct YesNoBox {
    Field flag;
    int yesCol;
    int noCol;
};

// B.6, two boxes to a line, four lines.
constexpr YesNoBox kSupplementary[4][2] = {
    {{nip::nip2_flag_balance_sheet, 80, 95}, {nip::nip2_flag_bank, 175, 190}},
    {{nip::nip2_flag_foreign_small_firm, 80, 95}, {nip::nip2_flag_sheltered_workshop, 175, 190}},
    {{nip::nip2_flag_foreign_capital, 80, 95}, {nip::nip2_flag_state_sole_company, 175, 190}},
    {{nip::nip2_flag_state_minor_company, 80, 95}, {nip::nip2_flag_activity_centre, 175, 190}},
};

void supplementaryInformation(PageWriter& w, ConstBytes rec)
{
    bool first = true;
    for (const auto& line : kSupplementary) {
        if (!first)
            w.lineStep();
        for (const YesNoBox& box : line)
            choiceCross(w, getU8(rec, box.flag), {{1, box.yesCol}, {2, box.noCol}});
        first = false;
    }
}

} // namespace

void nip2Page1(PageWriter& w, ConstBytes rec)
{
    groupedNip(w, rec, nip::nip, 25, kGrouping3223, false);
    w.section(0); // NIP-A
    choiceCross(w, getU8(rec, nip::purpose), {{1, 40}, {2, 92}, {3, 40, 9}});
    w.step(18);
    w.plain(30, rec, nip::tax_office);
    w.section(1); // A.4-A.6
    officeChange(w, rec, nip::office_changed, nip::prev_tax_office, 190, 165);
    w.section(2); // A.6-B.1
    fullAndShortName(w, rec, nip::full_name, nip::short_name);
    w.step(9);
    w.spaced(80, rec, nip::regon);
    w.section(3); // B.1-B.2
    registerBlock(w, rec, kRegister);
    w.section(4); // B.2-B.3
    w.address(rec, nip::seat_addr, Addr::Nip);
}

void nip2Page2(PageWriter& w, ConstBytes rec)
{
    activityDate(w, rec, {{1, 40}, {2, 110}});
    w.sectionLine(5); // B.4-B.5
    choiceCross(w, getU8(rec, nip::nip2_org_form), {{1, 25}, {2, 70}, {3, 115}, {4, 160}});
    w.step(9);
    choiceCross(w, getU8(rec, nip::nip2_legal_form), {{1, 40}, {2, 110}});
    w.spaced(170, rec, nip::nip2_special_form_code);
    w.sectionLine(6); // B.5-B.6
    supplementaryInformation(w, rec);
    w.sectionLine(7); // B.6-B.7
    foreignIdRows(w, rec, 67);
    w.sectionLine(8); // B.7-B.8
    activityDescription(w, rec);
    w.sectionLine(9); // B.8-B.9
    businessAccounts(w, rec, {nip::bank1, nip::bank2, nip::bank3});
}

void nip2Page3(PageWriter& w, ConstBytes rec)
{
    accountingKind(w, rec);
    w.step(9);
    accountingKeeper(w, rec);
    w.sectionLine(10); // B.10-B.10.1
    nipAndName(w, rec, nip::office_nip, nip::office_name);
    w.sectionLine(11); // B.10.1-B.10.2
    w.address(rec, nip::records_addr, Addr::Nip);
    w.sectionLine(12); // B.10.2-B.11
    businessSites(w, rec,
                  {{nip::site1_reason, nip::site1_addr},
                   {nip::site2_reason, nip::site2_addr},
                   {nip::site3_reason, nip::site3_addr}});
}

void nip2Page4(PageWriter& w, ConstBytes rec)
{
    fullAndShortName(w, rec, nip::nip2_parent_full_name, nip::nip2_parent_short_name);
    w.step(9);
    groupedNip(w, rec, nip::nip2_parent_nip, 30, kGrouping3223, false);
    w.spaced(120, rec, nip::nip2_parent_regon);
    w.sectionLine(13); // C.1-C.2
    registerBlock(w, rec, kParentRegister);
    w.sectionLine(14); // C.2-C.3
    w.address(rec, nip::nip2_parent_seat_addr, Addr::Nip);
    w.sectionLine(15); // C.3-D
    attachmentCounts(w, rec,
                     {{nip::attach_a_count, 30},
                      {nip::attach_b_count, 75},
                      {nip::attach_c_count, 120},
                      {nip::attach_d_count, 165}});
    w.sectionLine(16); // D-E
    declarant(w, rec, kNipRecordDeclarant, kNipDeclarant);
}

} // namespace page_layout
