// NIP-D, the partners of a NIP-2 (spacing file "odsnip2"). Sheet 1 prints
// partners 1 to 3, sheet 2 partners 4 to 6, with the same margins and
// spacings; the second partner of a sheet runs over onto page 2/2.
#include "core/records/nip_record.h"
#include "core/print/layouts/layout_support.h"
#include "core/print/layouts/nip_sections.h"
#include "core/print/layouts/page_renderers.h"

namespace page_layout {

namespace {

using Addr = PageWriter::AddressVariant;

// The entry of partner n (1 to 6).
Field partner(int n) { return nip::partners.item(static_cast<std::uint32_t>(n - 1)); }

// The first partner of a sheet.
int firstPartner(int sheet) { return sheet == 2 ? 4 : 1; }

// Why the partner is reported, the date of joining or leaving, and the form
// of participation.
void partnerEvent(PageWriter& w, ConstBytes rec, const Field& p)
{
    namespace e = partner_entry;
    choiceCross(w, getU8(rec, p / e::reason), {{1, 39}, {2, 39, 5}, {3, 39, 10}});
    // A spaced date is 19 characters wide: from 160 it ends on the sheet.
    if (getDate(rec, p / e::date).month != 0)
        w.date(160, rec, p / e::date, 8);
    w.step(17);
    choiceCross(w, getU8(rec, p / e::participation), {{1, 23}, {2, 80}, {3, 110}, {4, 178}});
}

// The partner's kind, name, NIP and REGON or PESEL.
void partnerIdentity(PageWriter& w, ConstBytes rec, const Field& p)
{
    namespace e = partner_entry;
    choiceCross(w, getU8(rec, p / e::kind), {{1, 35}, {2, 100}, {3, 140}});
    w.step(9);
    w.plain(40, rec, p / e::name);
    w.step(9);
    w.spaced(30, rec, p / e::nip);
    w.plain(130, rec, p / e::regon_pesel);
}

void partnerAddress(PageWriter& w, ConstBytes rec, const Field& p)
{
    w.address(rec, p / partner_entry::addr, Addr::Nip);
}

} // namespace

void nipDPage1(PageWriter& w, ConstBytes rec, int sheet)
{
    const int p = firstPartner(sheet);
    groupedNip(w, rec, nip::nip, 32, kGrouping3223, false);
    w.section(29); // D/NIP-A
    w.plain(40, rec, nip::full_name);
    w.step(9);
    w.plain(40, rec, nip::short_name);
    w.spaced(160, rec, nip::regon);
    w.section(30); // D/A-B.1
    partnerEvent(w, rec, partner(p));
    w.section(31); // D/B.1-B.1.1
    partnerIdentity(w, rec, partner(p));
    w.section(32); // D/B.1.1-B.1.2
    partnerAddress(w, rec, partner(p));
    w.section(33); // D/B.1.2-B.2
    partnerEvent(w, rec, partner(p + 1));
    w.section(34); // D/B.2-B.2.1
    partnerIdentity(w, rec, partner(p + 1));
}

void nipDPage2(PageWriter& w, ConstBytes rec, int sheet)
{
    const int p = firstPartner(sheet);
    partnerAddress(w, rec, partner(p + 1));
    w.section(35); // D/B.2.2-B.3
    partnerEvent(w, rec, partner(p + 2));
    w.section(36); // D/B.3-B.3.1
    partnerIdentity(w, rec, partner(p + 2));
    w.section(37); // D/B.3.1-B.3.2
    partnerAddress(w, rec, partner(p + 2));
    w.section(38); // D/B.3.2-C
    declarant(w, rec, kNipRecordDeclarant, kNipDDeclarant);
}

} // namespace page_layout
