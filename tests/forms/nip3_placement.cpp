#include "forms/editor_placements.h"
#include "core/records/nip_record.h"

Placement nip3Placement()
{
    using namespace nip;
    Placement own = {
        {"z_infzm1", {nip3_change1_items}},
        {"m_dzm1", {nip3_change1_date}},
        {"z_infzm2", {nip3_change2_items}},
        {"m_dzm2", {nip3_change2_date}},
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
    own.merge(personalPlacement());
    return own;
}
