#include "forms/editor_placements.h"
#include "core/records/vat_records.h"

Placement vatrPlacement()
{
    using namespace vatr;
    return {
        {"m_nip", {vatr::nip}},
        {"r_przez_form", {purpose}},
        {"c_urzsk", {tax_office}},
        {"m_uszagr", {foreign_office_lines}},
        {"rb_us", {office_changed}},
        {"c_pop_us", {prev_tax_office}},
        {"r_rodzpod", {taxpayer_kind}},
        {"z_nazwisko", {name}},
        {"z_imojca", {name_2}},
        {"m_pesel", {id_no}},
        {"m_dur", {birth_or_start_date}},
        {"Fr_adr_s", {addr}},
        // Two boxes carry this name: the address frame's and the declarant's.
        {"z_email", {addr_email, declarant_email}},
        {"z_nipzagr", {foreign_vat_no}},
        {"ch_obow_pod", {c1_items}},
        {"dt_obow", {c1_date}},
        {"rb_kas1", {cash_method}},
        {"cb_dt2_m", {cash_method_period}},
        {"m_dt2_rok", {cash_method_year}},
        {"rb_kw1", {quarterly}},
        {"cb_dt3_m", {quarterly_quarter}},
        {"m_dt3_rok", {quarterly_year}},
        {"rb_proc1", {special_proc}},
        {"cb_dt4_m", {special_proc_month}},
        {"m_dt4_rok", {special_proc_year}},
        {"rb_dek1", {first_decl_form}},
        {"cb_dt5_m", {first_decl_period}},
        {"m_dt5_rok", {first_decl_year}},
        {"ch_zalue", {vat_r_ue_attached}},
        {"fr_osw", {declarant_first_name, declarant_surname, fill_date}},
        {"z_osw_tel", {declarant_phone}},
        {"ch_wdt", {ue_kinds.item(0)}},
        {"Ch_wnt", {ue_kinds.item(1)}},
        {"ch_wnt1", {ue_kinds.item(2)}},
        {"Ch_usl", {ue_kinds.item(3)}},
        {"dt_rozp", {ue_start_date}},
        {"ch_rez_wdt", {ue_end_kinds.item(0)}},
        {"ch_rez_wnt", {ue_end_kinds.item(1)}},
        {"ch_rez_usl", {ue_end_kinds.item(2)}},
        {"ch_rez", {ue_end_kinds.item(3)}},
        {"dt_zak", {ue_end_date}},
        {"ch_kaucja", {deposit}},
    };
}
