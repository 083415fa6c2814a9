#include "forms/editor_placements.h"
#include "core/records/vat_records.h"

Placement vatzPlacement()
{
    using namespace vatz;
    return {
        {"m_nip", {vatz::nip}},
        {"c_urzsk", {tax_office}},
        {"r_rodzpod", {taxpayer_kind}},
        {"z_nazwisko", {name}},
        {"m_dur", {birth_date}},
        {"Fr_adr_s", {addr, addr_email}},
        {"dt_zap", {cessation_date}},
        {"r_przycz", {cessation_reason}},
        {"c_us_ost", {last_decl_office}},
        {"cb_dt_ost_m", {last_decl_period}},
        {"m_dt_ost_rok", {last_decl_year}},
        {"fr_osw1", {declarant_first_name, declarant_surname, fill_date}},
    };
}
