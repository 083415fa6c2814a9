// NIP-B, margin pairs 7 and 8 and spacing entries 33 to 35 of the NIP-1
// files.
//   1/2: NIP, the taxpayer (A), the six bank accounts (B).
//   2/2: declarant (C).
#include "core/records/vat_records.h"
#include "core/print/layouts/layout_support.h"
#include "core/print/layouts/page_renderers.h"

namespace page_layout {

void nipBPage1(PageWriter& w, ConstBytes rec)
{
    const bool isPerson = getU8(rec, nipb::is_person) == 1;
    w.spaced(17, rec, nipb::nip);
    w.section(33); // B/NIP-A.1
    choiceCross(w, getU8(rec, nipb::is_person), {{0, 60}, {1, 170}});
    w.step(10);
    w.plain(30, isPerson ? getStr(rec, nipb::name) + " " + getStr(rec, nipb::first_name) : getStr(rec, nipb::name));
    w.step(5);
    if (isPerson)
        w.plainDate(160, getDate(rec, nipb::birth_date));
    w.step(10);
    w.plain(110, rec, nipb::id_no);
    w.section(34); // B/A.1-B
    const Field& b = nipb::banks;
    bankAccounts(w, rec, {b.item(0), b.item(1), b.item(2), b.item(3), b.item(4), b.item(5)}, nipBBankAccount);
}

void nipBPage2(PageWriter& w, ConstBytes rec)
{
    w.section(35); // B/B.1-C
    declarant(w, rec, {nipb::declarant_first_name, nipb::declarant_surname, nipb::fill_date}, kNipDeclarant);
}

} // namespace page_layout
