// VAT-Z 1/1, spacing file "odsvatz".
#include "core/common/date_text.h"
#include "core/records/vat_records.h"
#include "core/print/layouts/layout_support.h"
#include "core/print/layouts/page_renderers.h"

namespace page_layout {

void vatZPage(PageWriter& w, ConstBytes rec)
{
    const int taxpayerKind = getU8(rec, vatz::taxpayer_kind);
    groupedNip(w, rec, vatz::nip, 20, kGrouping3322, true);
    w.section(0); // NIP-A
    w.plain(30, rec, vatz::tax_office);
    w.section(1); // A.-B.1
    choiceCross(w, taxpayerKind, {{0, 50}, {1, 150}});
    w.step(10);
    w.plain(30, rec, vatz::name);
    if (taxpayerKind == 1)
        w.plainAfterLast(4, DateText(getDate(rec, vatz::birth_date)));
    w.section(2); // B.1-B.2
    w.address(rec, vatz::addr, PageWriter::AddressVariant::Vat);
    w.plain(150, rec, vatz::addr_email);
    w.section(3); // B.2-C
    w.date(94, rec, vatz::cessation_date);
    w.step(9);
    choiceCross(w, getU8(rec, vatz::cessation_reason), {{0, 50}, {1, 90}, {2, 125}, {3, 160}});
    w.step(9);
    w.plain(30, rec, vatz::last_decl_office);
    w.step(9);
    w.plain(95, periodText(getU8(rec, vatz::last_decl_period), getI32(rec, vatz::last_decl_year)));
    w.section(4); // C-D
    declarant(w, rec, {vatz::declarant_first_name, vatz::declarant_surname, vatz::fill_date}, kVatDeclarant);
}

} // namespace page_layout
