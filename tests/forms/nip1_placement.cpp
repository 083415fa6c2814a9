#include "forms/editor_placements.h"
#include "core/records/nip_record.h"

// Part A, the personal data and the foreign numbers: NIP-1 and NIP-3 share
// them, controls and fields alike.
Placement personalPlacement()
{
    using namespace nip;
    return {
        {"m_nip", {nip::nip}},
        {"r_przez_form", {purpose}},
        {"c_urzsk", {tax_office}},
        {"rb_us", {office_changed}},
        {"c_pop_us", {prev_tax_office}},
        {"m_pesel", {pesel}},
        {"z_nazwisko", {surname}},
        {"z_imie1", {first_name}},
        {"z_im2", {second_name}},
        {"z_imojca", {father_name}},
        {"z_immatki", {mother_name}},
        {"m_dur", {birth_date}},
        {"z_mur", {birth_place}},
        {"r_plec", {sex}},
        {"z_nazw_rod", {family_name}},
        {"c_rodz_dok_t", {id_doc_kind}},
        {"z_nrdok_t", {id_doc_no}},
        {"c_obyw", {citizenship}},
        {"fr_nr_in_kr1",
         {foreign_id1_country, foreign_id1_purpose, foreign_id1_number, foreign_id2_country, foreign_id2_purpose,
          foreign_id2_number}},
    };
}

Placement nip1Placement()
{
    using namespace nip;
    Placement own = {
        {"fr_adr_zameld", {reg_addr}},
        {"chbox_kor_adzam", {corr_to_residence}},
        {"fr_adr1", {res_addr}},
        {"fr_rach_os", {pers_bank}},
        {"r_rodz_drozp", {activity_date_kind}},
        {"d_rozp", {activity_date}},
        {"m_l_reg", {regon}},
        {"fr_dzial1", {activity_desc_1, activity_desc_2, activity_desc_3, pkd_code, ekd_code}},
        {"r_stat_dzial", {special_status}},
        {"chbox_zw_pod", {refund_to_account1}},
        {"fr_nrrach1", {bank1}},
        {"fr_nrrach2", {bank2}},
        {"fr_nrrach3", {bank3}},
        {"fr_nrrach4", {bank4}},
        {"fr_dok_rach1", {accounting_kind, accounting_keeper, office_nip, office_name}},
        {"fr_adr_dok_rach", {records_addr}},
        {"fr_org_rej1", {reg_organ_name, register_name, register_date, register_no}},
        {"z_nazpel", {full_name}},
        {"z_nazskr", {short_name}},
        {"fr_adr_siedz", {seat_addr}},
        {"chbox_kor_siedz", {corr_to_seat}},
        {"r_pow_zgl_adr1", {site1_reason}},
        {"fr_adr_dz1", {site1_addr}},
        {"r_pow_zgl_adr2", {site2_reason}},
        {"fr_adr_dz2", {site2_addr}},
        {"fr_zal1", {attach_a_count, attach_b_count, attach_c_count}},
        {"fr_osw1", {declarant_first_name, declarant_surname, fill_date}},
    };
    own.merge(personalPlacement());
    return own;
}
