// VAT-21, spacing file "odsv21".
//   1/2: NIP, tax office, the taxpayer (B.1), address (B.2), purpose (C),
//        member states 1-2 (F).
//   2/2: member states 3-24 (F continued), declarant (G).
#include "core/records/vat_records.h"
#include "core/print/layouts/layout_support.h"
#include "core/print/layouts/page_renderers.h"

namespace page_layout {

namespace {

// Member state k (0-based) and its dates; +9 mm after the row, empty or not.
void countryRow(PageWriter& w, ConstBytes rec, std::uint32_t k)
{
    namespace c = country_entry;
    const Field entry = vat21::countries.item(k);
    if (!getStr(rec, entry / c::country).empty()) {
        w.plain(26, rec, entry / c::country);
        const auto dateAt = [&](int col, const Field& date) {
            if (const Date4 d = getDate(rec, entry / date); d.month != 0)
                w.plainDate(col, d);
        };
        if (getU8(rec, vat21::purpose) != 0) {
            dateAt(106, c::first_supply);
            dateAt(138, c::choice_notified);
            dateAt(179, c::planned_supply_after);
        } else {
            dateAt(71, c::planned_first_supply);
        }
    }
    w.step(9);
}

void countryRows(PageWriter& w, ConstBytes rec, std::uint32_t first, std::uint32_t end)
{
    for (std::uint32_t k = first; k < end; ++k)
        countryRow(w, rec, k);
}

constexpr std::uint32_t kRowsOnFirstPage = 2;

} // namespace

void vat21Page1(PageWriter& w, ConstBytes rec)
{
    const int taxpayerKind = getU8(rec, vat21::taxpayer_kind);
    groupedNip(w, rec, vat21::nip, 17, kGrouping3322, true);
    w.section(0); // NIP-A
    w.plain(30, rec, vat21::tax_office);
    w.section(1); // A.-B.1
    choiceCross(w, taxpayerKind, {{0, 60}, {1, 155}});
    w.step(10);
    w.plain(30, rec, vat21::name);
    w.step(5);
    if (taxpayerKind == 1)
        w.plainDate(160, getDate(rec, vat21::birth_date));
    w.section(2); // B.1-B.2
    w.postalAddress(rec, vat21::addr);
    w.section(3); // B.2-C
    choiceCross(w, getU8(rec, vat21::purpose), {{0, 62}, {1, 125}});
    w.section(4); // C-F
    countryRows(w, rec, 0, kRowsOnFirstPage);
}

void vat21Page2(PageWriter& w, ConstBytes rec)
{
    countryRows(w, rec, kRowsOnFirstPage, vat21::kCountryCount);
    w.section(5); // F-G
    declarant(w, rec, {vat21::declarant_first_name, vat21::declarant_surname, vat21::fill_date}, kVatDeclarant);
}

} // namespace page_layout
