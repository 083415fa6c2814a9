// VAT-R, spacing file "odsvatr".
//   1/2:      NIP, purpose, tax office, foreign tax office, office change,
//             the taxpayer (B.1), address and e-mail (B.2), foreign VAT
//             number (B.3).
//   2/2:      the ten circumstances and their date (C.1, up to poz. 28),
//             small taxpayers' cash method (poz. 30), quarterly
//             declarations (poz. 32), special procedures (poz. 34), the
//             first declaration (C.2), VAT-R/UE attached (C.3), declarant
//             with telephone and e-mail (D).
//   VAT-R/UE: NIP, the taxpayer's name (A), kinds of registration (poz. 4)
//             and their start (poz. 5), kinds ended (poz. 6) and the end
//             date (poz. 7), deposit (poz. 8).
#include "core/records/vat_records.h"
#include "core/print/layouts/layout_support.h"
#include "core/print/layouts/page_renderers.h"

namespace page_layout {

namespace {

void vatRNip(PageWriter& w, ConstBytes rec) { groupedNip(w, rec, vatr::nip, 15, kGrouping3322, true); }

// C.1: items 1-5 down the left column, 6-10 down the right one.
void circumstances(PageWriter& w, ConstBytes rec)
{
    constexpr std::uint32_t kLines = 5;
    for (std::uint32_t line = 0; line < kLines; ++line) {
        if (line > 0)
            w.lineStep();
        if (getU8(rec, vatr::c1_items.item(line)) == 1)
            w.cross(20);
        if (getU8(rec, vatr::c1_items.item(line + kLines)) == 1)
            w.cross(110);
    }
    w.step(9);
    // The editor stores its date picker's day whatever is ticked: the date
    // belongs on the sheet only with a circumstance it dates.
    if (anyFlag(rec, vatr::c1_items))
        dateIfSet(w, 60, rec, vatr::c1_date);
}

} // namespace

void vatRPage1(PageWriter& w, ConstBytes rec)
{
    vatRNip(w, rec);
    w.section(0); // NIP-A
    choiceCross(w, getU8(rec, vatr::purpose), {{1, 57}, {2, 129}});
    w.step(9);
    w.plain(30, rec, vatr::tax_office);
    w.step(11);
    const Field& lines = vatr::foreign_office_lines;
    w.plain(30, rec, lines.item(0));
    w.fractionalStep(4.5);
    w.plain(30, rec, lines.item(1));
    w.fractionalStep(4.5);
    w.plain(30, getStr(rec, lines.item(2)) + " " + getStr(rec, lines.item(3)));
    w.section(1); // poz.6-poz.7
    officeChange(w, rec, vatr::office_changed, vatr::prev_tax_office, 110, std::nullopt);
    w.section(2); // poz.8-B.1
    choiceCross(w, getU8(rec, vatr::taxpayer_kind), {{0, 44}, {1, 105}, {2, 145}});
    w.step(9);
    w.plain(30, rec, vatr::name);
    w.step(9);
    w.plain(30, rec, vatr::name_2);
    w.step(9);
    w.plain(30, rec, vatr::id_no);
    w.date(160, rec, vatr::birth_or_start_date);
    w.section(3); // B.1-B.2
    w.address(rec, vatr::addr, PageWriter::AddressVariant::Vat);
    w.plain(145, rec, vatr::addr_email);
    w.section(4); // B.2-B.3
    w.plain(45, rec, vatr::foreign_vat_no);
}

void vatRPage2(PageWriter& w, ConstBytes rec)
{
    circumstances(w, rec);
    w.sectionLine(5); // poz.28-30
    choiceCross(w, getU8(rec, vatr::cash_method), {{1, 30}, {2, 80}, {3, 130}});
    periodIfSet(w, 160, rec, vatr::cash_method_period, vatr::cash_method_year);
    w.sectionLine(6); // poz.30-32
    choiceCross(w, getU8(rec, vatr::quarterly), {{1, 30}, {2, 80}, {3, 130}});
    periodIfSet(w, 160, rec, vatr::quarterly_quarter, vatr::quarterly_year);
    w.sectionLine(7); // poz.32-34
    choiceCross(w, getU8(rec, vatr::special_proc), {{1, 25}, {2, 70}, {3, 115}, {4, 160}});
    w.step(9);
    periodIfSet(w, 95, rec, vatr::special_proc_month, vatr::special_proc_year);
    w.sectionLine(8); // poz.34-C.2
    choiceCross(w, getU8(rec, vatr::first_decl_form), {{1, 25}, {2, 70}, {3, 115}, {4, 160}});
    w.step(9);
    periodIfSet(w, 95, rec, vatr::first_decl_period, vatr::first_decl_year);
    w.sectionLine(9); // C.2-C.3
    if (getU8(rec, vatr::vat_r_ue_attached) == 1)
        w.cross(30);
    w.sectionLine(10); // C.3-D
    declarant(w, rec, {vatr::declarant_first_name, vatr::declarant_surname, vatr::fill_date}, kVatDeclarant);
    w.step(9);
    w.plain(30, rec, vatr::declarant_phone);
    w.plain(100, rec, vatr::declarant_email);
}

void vatRUePage(PageWriter& w, ConstBytes rec)
{
    vatRNip(w, rec);
    w.sectionLine(11); // /UE NIP-A
    w.plain(30, rec, vatr::name);
    w.sectionLine(12); // /UE A-B
    flagCrosses(w, rec, vatr::ue_kinds, {25, 70, 115, 160});
    w.sectionLine(13); // /UE 4-5
    // Each date only with the kinds it dates: the editor stores both.
    if (anyFlag(rec, vatr::ue_kinds))
        dateIfSet(w, 60, rec, vatr::ue_start_date);
    w.sectionLine(14); // /UE 5-6
    flagCrosses(w, rec, vatr::ue_end_kinds, {25, 70, 115, 160});
    w.sectionLine(15); // /UE 6-7
    if (anyFlag(rec, vatr::ue_end_kinds))
        dateIfSet(w, 60, rec, vatr::ue_end_date);
    w.sectionLine(16); // /UE 7-8
    if (getU8(rec, vatr::deposit) == 1)
        w.cross(30);
}

} // namespace page_layout
