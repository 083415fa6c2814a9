#include "forms/editor_placements.h"
#include "core/records/nip_record.h"

Placement nip2Placement()
{
    using namespace nip;
    Placement placement = {
        {"m_nip", {nip::nip}},
        {"rb_akt", {purpose}}, // the purpose buttons, known by the second
        {"c_urzsk", {tax_office}},
        {"rb_us", {office_changed}},
        {"c_pop_us", {prev_tax_office}},
        {"z_nazpel", {full_name}},
        {"z_nazskr", {short_name}},
        {"m_l_reg", {regon}},
        {"fr_org_rej1", {reg_organ_name, register_name, register_date, register_no}},
        {"fr_adr_sie", {seat_addr}},
        {"r_rodz_drozp", {activity_date_kind}},
        {"d_rozp", {activity_date}},
        {"r_for_org", {nip2_org_form}},
        {"r_for_pr", {nip2_legal_form}},
        {"z_kod_fpr", {nip2_special_form_code}},
        {"chbox_bil", {nip2_flag_balance_sheet}},
        {"chbox_bank", {nip2_flag_bank}},
        {"chbox_zagr_drw", {nip2_flag_foreign_small_firm}},
        {"chbox_zpch", {nip2_flag_sheltered_workshop}},
        {"chbox_kapzagr", {nip2_flag_foreign_capital}},
        {"chbox_sp_skar", {nip2_flag_state_sole_company}},
        {"chbox_sp_prh", {nip2_flag_state_minor_company}},
        {"chbox_zaktz", {nip2_flag_activity_centre}},
        {"fr_zg_in_kr1", {foreign_id1_country, foreign_id1_purpose, foreign_id1_number}},
        {"fr_zg_in_kr2", {foreign_id2_country, foreign_id2_purpose, foreign_id2_number}},
        {"fr_dzial2", {activity_desc_1, activity_desc_2, activity_desc_3, pkd_code, ekd_code}},
        {"chbox_zw_pod", {refund_to_account1}},
        {"fr_nrrach1", {bank1}},
        {"fr_nrrach2", {bank2}},
        {"fr_nrrach3", {bank3}},
        {"r_rodz_dok", {accounting_kind}},
        {"r_prow_dok", {accounting_keeper}},
        {"nr_nip_br", {office_nip}},
        {"z_nazwa_br", {office_name}},
        {"fr_adr1", {records_addr}},
        {"r_pow_zgl_adr1", {site1_reason}},
        {"fr_adr_dz1", {site1_addr}},
        {"r_pow_zgl_adr2", {site2_reason}},
        {"fr_adr_dz2", {site2_addr}},
        {"r_pow_zgl_adr3", {site3_reason}},
        {"fr_adr_dz3", {site3_addr}},
        {"nazp_mac", {nip2_parent_full_name}},
        {"nazskr_mac", {nip2_parent_short_name}},
        {"m_nip_mac", {nip2_parent_nip}},
        {"m_reg_mac", {nip2_parent_regon}},
        {"fr_org_rej2",
         {nip2_parent_organ_name, nip2_parent_register_name, nip2_parent_register_date, nip2_parent_register_no}},
        {"fr_adr_siedz", {nip2_parent_seat_addr}},
        {"fr_zal1", {attach_a_count, attach_b_count, attach_c_count, attach_d_count}},
        {"fr_osw1", {declarant_first_name, declarant_surname, fill_date}},
    };
    for (std::uint32_t k = 0; k < kPartnerCount; ++k)
        placement["fr_wsp" + QString::number(k + 1)] = {partners.item(k)};
    return placement;
}
