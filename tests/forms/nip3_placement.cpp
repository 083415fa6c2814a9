#include "forms/editor_placements.h"
#include "records/nip_record.h"

Placement nip3Placement()
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
        {"z_infzm1", {nip3_change1_items}},
        {"m_dzm1", {nip3_change1_date}},
        {"z_infzm2", {nip3_change2_items}},
        {"m_dzm2", {nip3_change2_date}},
        {"fr_nr_in_kr1",
         {foreign_id1_country, foreign_id1_purpose, foreign_id1_number, foreign_id2_country, foreign_id2_purpose,
          foreign_id2_number}},
        {"fr_adr_zameld", {nip3_reg_addr}},
        {"dt_zameld", {nip3_registered_since}},
        {"chbox_kor_adzam", {nip3_corr_to_residence}},
        {"fr_adr1", {nip3_res_addr}},
        {"dt_zamiesz", {nip3_resident_since}},
        {"fr_rach_os", {nip3_pers_bank}},
        {"ud_zal_a", {attach_a_count}},
        {"d_zak", {activity_date}},
        {"fr_osw1", {declarant_first_name, declarant_surname, fill_date}},
        {"nr_nip_br", {nip3_agent_nip}},
        {"z_nazwa_br", {nip3_agent_name}},
    };
}
