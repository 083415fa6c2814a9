#include "forms/editor_placements.h"
#include "core/records/vat_records.h"

Placement vat21Placement()
{
    using namespace vat21;
    Placement placement = {
        {"m_nip", {vat21::nip}},
        {"c_urzsk", {tax_office}},
        {"r_rodzpod", {taxpayer_kind}},
        {"z_nazwisko", {name}},
        {"m_dur", {birth_date}},
        {"fr_adr_s", {addr}},
        {"R_CEL", {purpose}},
        {"fr_osw1", {declarant_first_name, declarant_surname, fill_date}},
    };
    for (std::uint32_t k = 1; k <= kCountryCount; ++k)
        placement[QString("fr_wyb_kr%1").arg(k)] = {countries.item(k - 1)};
    return placement;
}
