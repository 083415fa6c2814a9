#pragma once
#include "core/common/field_layout.h"
#include "core/common/record_access.h"
#include "core/records/address_block.h"
#include "core/records/bank_block.h"
#include "core/records/cleared_record.h"

#include <cassert>

// The NIP record (file "REJFOR."): one NIP-1, NIP-2 or NIP-3 form. Bytes
// 0..2416 are shared by the three forms; `form_type` at 2416 says how the
// variant part from 2417 on is laid out.

// One partner or group company of a NIP-2 record (322 bytes).
namespace partner_entry {

inline constexpr std::uint32_t kSize = 322;

inline constexpr Field reason{"reason", 0, 1, FieldType::U8}; // 0: entry not in use
inline constexpr Field date{"date", 1, 4, FieldType::Date};
inline constexpr Field participation{"participation", 5, 1, FieldType::U8};
inline constexpr Field kind{"kind", 6, 1, FieldType::U8};
inline constexpr Field name{"name", 7, 51, FieldType::Str};
inline constexpr Field nip{"nip", 58, 14, FieldType::Str};
inline constexpr Field regon_pesel{"regon_pesel", 72, 12, FieldType::Str};
inline constexpr Field addr{"addr", 84, 238, FieldType::Group, &address_block::layout};

inline constexpr Field fields[] = {reason, date, participation, kind, name, nip, regon_pesel, addr};
inline constexpr Layout layout{"partner_entry", 0, kSize, fields};
static_assert(isContiguous(layout));

} // namespace partner_entry

namespace nip {

inline constexpr std::uint32_t kRecordSize = 4858;

// Common part, 0..2416.
inline constexpr Field account_no{"account_no", 0, 9, FieldType::Str};
inline constexpr Field nip{"nip", 9, 11, FieldType::Str};
inline constexpr Field purpose{"purpose", 20, 1, FieldType::U8};
inline constexpr Field tax_office{"tax_office", 21, 61, FieldType::Str};
inline constexpr Field office_changed{"office_changed", 82, 1, FieldType::U8};
inline constexpr Field prev_tax_office{"prev_tax_office", 83, 61, FieldType::Str};
inline constexpr Field full_name{"full_name", 144, 51, FieldType::Str};
inline constexpr Field short_name{"short_name", 195, 31, FieldType::Str};
inline constexpr Field regon{"regon", 226, 16, FieldType::Str};
inline constexpr Field reg_organ_name{"reg_organ_name", 242, 51, FieldType::Str};
inline constexpr Field register_name{"register_name", 293, 51, FieldType::Str};
inline constexpr Field register_date{"register_date", 344, 4, FieldType::Date};
inline constexpr Field register_no{"register_no", 348, 12, FieldType::Str};
inline constexpr Field seat_addr{"seat_addr", 360, 238, FieldType::Group, &address_block::layout};
inline constexpr Field activity_date_kind{"activity_date_kind", 598, 1, FieldType::U8};
inline constexpr Field activity_date{"activity_date", 599, 4, FieldType::Date};
inline constexpr Field foreign_id1_country{"foreign_id1_country", 603, 21, FieldType::Str};
inline constexpr Field foreign_id1_purpose{"foreign_id1_purpose", 624, 1, FieldType::U8};
inline constexpr Field foreign_id1_number{"foreign_id1_number", 625, 21, FieldType::Str};
inline constexpr Field foreign_id2_country{"foreign_id2_country", 646, 21, FieldType::Str};
inline constexpr Field foreign_id2_purpose{"foreign_id2_purpose", 667, 1, FieldType::U8};
inline constexpr Field foreign_id2_number{"foreign_id2_number", 668, 21, FieldType::Str};
inline constexpr Field activity_desc_1{"activity_desc_1", 689, 31, FieldType::Str};
inline constexpr Field activity_desc_2{"activity_desc_2", 720, 31, FieldType::Str};
inline constexpr Field activity_desc_3{"activity_desc_3", 751, 31, FieldType::Str};
inline constexpr Field pkd_code{"pkd_code", 782, 7, FieldType::Str};
inline constexpr Field ekd_code{"ekd_code", 789, 7, FieldType::Str};
inline constexpr Field refund_to_account1{"refund_to_account1", 796, 1, FieldType::U8};
inline constexpr Field bank1{"bank1", 797, 119, FieldType::Group, &bank_block::layout};
inline constexpr Field bank2{"bank2", 916, 119, FieldType::Group, &bank_block::layout};
inline constexpr Field bank3{"bank3", 1035, 119, FieldType::Group, &bank_block::layout};
inline constexpr Field bank4{"bank4", 1154, 119, FieldType::Group, &bank_block::layout};
inline constexpr Field accounting_kind{"accounting_kind", 1273, 1, FieldType::U8};
inline constexpr Field accounting_keeper{"accounting_keeper", 1274, 1, FieldType::U8};
inline constexpr Field office_nip{"office_nip", 1275, 14, FieldType::Str};
inline constexpr Field office_name{"office_name", 1289, 51, FieldType::Str};
inline constexpr Field records_addr{"records_addr", 1340, 238, FieldType::Group, &address_block::layout};
inline constexpr Field site1_reason{"site1_reason", 1578, 1, FieldType::U8};
inline constexpr Field site1_addr{"site1_addr", 1579, 238, FieldType::Group, &address_block::layout};
inline constexpr Field site2_reason{"site2_reason", 1817, 1, FieldType::U8};
inline constexpr Field site2_addr{"site2_addr", 1818, 238, FieldType::Group, &address_block::layout};
inline constexpr Field site3_reason{"site3_reason", 2056, 1, FieldType::U8};
inline constexpr Field site3_addr{"site3_addr", 2057, 238, FieldType::Group, &address_block::layout};
inline constexpr Field attach_a_count{"attach_a_count", 2295, 1, FieldType::U8};
inline constexpr Field attach_b_count{"attach_b_count", 2296, 1, FieldType::U8};
inline constexpr Field attach_c_count{"attach_c_count", 2297, 1, FieldType::U8};
inline constexpr Field attach_d_count{"attach_d_count", 2298, 1, FieldType::U8};
inline constexpr Field declarant_first_name{"declarant_first_name", 2299, 21, FieldType::Str};
inline constexpr Field declarant_surname{"declarant_surname", 2320, 41, FieldType::Str};
inline constexpr Field fill_date{"fill_date", 2361, 4, FieldType::Date};
inline constexpr Field nip3_registered_since{"nip3_registered_since", 2365, 4, FieldType::Date};
inline constexpr Field nip3_resident_since{"nip3_resident_since", 2369, 4, FieldType::Date};
inline constexpr Field reserved_2373{"reserved_2373", 2373, 43, FieldType::Reserved};
inline constexpr Field form_type{"form_type", 2416, 1, FieldType::U8};

inline constexpr Field common_fields[] = {
    account_no, nip, purpose, tax_office, office_changed, prev_tax_office, full_name, short_name, regon,
    reg_organ_name, register_name, register_date, register_no, seat_addr, activity_date_kind, activity_date,
    foreign_id1_country, foreign_id1_purpose, foreign_id1_number, foreign_id2_country, foreign_id2_purpose,
    foreign_id2_number, activity_desc_1, activity_desc_2, activity_desc_3, pkd_code, ekd_code, refund_to_account1,
    bank1, bank2, bank3, bank4, accounting_kind, accounting_keeper, office_nip, office_name, records_addr,
    site1_reason, site1_addr, site2_reason, site2_addr, site3_reason, site3_addr, attach_a_count, attach_b_count,
    attach_c_count, attach_d_count, declarant_first_name, declarant_surname, fill_date, nip3_registered_since,
    nip3_resident_since, reserved_2373, form_type,
};
inline constexpr Layout common_layout{"nip.common", 0, 2417, common_fields};
static_assert(isContiguous(common_layout));

// Personal data that NIP-1 and NIP-3 put first in the variant part, 2417..2703.
inline constexpr Field pesel{"pesel", 2417, 12, FieldType::Str};
inline constexpr Field surname{"surname", 2429, 41, FieldType::Str};
inline constexpr Field first_name{"first_name", 2470, 21, FieldType::Str};
inline constexpr Field second_name{"second_name", 2491, 21, FieldType::Str};
inline constexpr Field father_name{"father_name", 2512, 21, FieldType::Str};
inline constexpr Field mother_name{"mother_name", 2533, 21, FieldType::Str};
inline constexpr Field birth_date{"birth_date", 2554, 4, FieldType::Date};
inline constexpr Field birth_place{"birth_place", 2558, 21, FieldType::Str};
inline constexpr Field sex{"sex", 2579, 1, FieldType::U8}; // the option index itself: 0 woman, 1 man
inline constexpr Field family_name{"family_name", 2580, 41, FieldType::Str};
inline constexpr Field id_doc_kind{"id_doc_kind", 2621, 21, FieldType::Str};
inline constexpr Field id_doc_no{"id_doc_no", 2642, 21, FieldType::Str};
inline constexpr Field citizenship{"citizenship", 2663, 41, FieldType::Str};

inline constexpr Field personal_fields[] = {
    pesel, surname, first_name, second_name, father_name, mother_name, birth_date,
    birth_place, sex, family_name, id_doc_kind, id_doc_no, citizenship,
};
inline constexpr Layout personal_layout{"nip.personal", 2417, 2704, personal_fields};
static_assert(isContiguous(personal_layout));

// NIP-1 after the personal data, 2704..4857.
inline constexpr Field reg_addr{"reg_addr", 2704, 238, FieldType::Group, &address_block::layout};
inline constexpr Field corr_to_residence{"corr_to_residence", 2942, 1, FieldType::U8};
inline constexpr Field res_addr{"res_addr", 2943, 238, FieldType::Group, &address_block::layout};
inline constexpr Field pers_bank{"pers_bank", 3181, 119, FieldType::Group, &bank_block::layout};
inline constexpr Field special_status{"special_status", 3300, 1, FieldType::U8};
inline constexpr Field corr_to_seat{"corr_to_seat", 3301, 1, FieldType::U8};
inline constexpr Field reserved_3302{"reserved_3302", 3302, 1556, FieldType::Reserved};

inline constexpr Field nip1_fields[] = {
    reg_addr, corr_to_residence, res_addr, pers_bank, special_status, corr_to_seat, reserved_3302,
};
inline constexpr Layout nip1_layout{"nip.nip1", 2704, kRecordSize, nip1_fields};
static_assert(isContiguous(nip1_layout));

// NIP-2 variant part, 2417..4857.
inline constexpr Field nip2_org_form{"nip2_org_form", 2417, 1, FieldType::U8};
inline constexpr Field nip2_legal_form{"nip2_legal_form", 2418, 1, FieldType::U8};
inline constexpr Field reserved_2419{"reserved_2419", 2419, 31, FieldType::Reserved};
inline constexpr Field nip2_special_form_code{"nip2_special_form_code", 2450, 3, FieldType::Str};
inline constexpr Field nip2_flag_balance_sheet{"nip2_flag_balance_sheet", 2453, 1, FieldType::U8};
inline constexpr Field nip2_flag_bank{"nip2_flag_bank", 2454, 1, FieldType::U8};
inline constexpr Field nip2_flag_foreign_small_firm{"nip2_flag_foreign_small_firm", 2455, 1, FieldType::U8};
inline constexpr Field nip2_flag_sheltered_workshop{"nip2_flag_sheltered_workshop", 2456, 1, FieldType::U8};
inline constexpr Field nip2_flag_foreign_capital{"nip2_flag_foreign_capital", 2457, 1, FieldType::U8};
inline constexpr Field nip2_flag_state_sole_company{"nip2_flag_state_sole_company", 2458, 1, FieldType::U8};
inline constexpr Field nip2_flag_state_minor_company{"nip2_flag_state_minor_company", 2459, 1, FieldType::U8};
inline constexpr Field nip2_flag_activity_centre{"nip2_flag_activity_centre", 2460, 1, FieldType::U8};
inline constexpr Field nip2_parent_full_name{"nip2_parent_full_name", 2461, 51, FieldType::Str};
inline constexpr Field nip2_parent_short_name{"nip2_parent_short_name", 2512, 31, FieldType::Str};
inline constexpr Field nip2_parent_nip{"nip2_parent_nip", 2543, 11, FieldType::Str};
inline constexpr Field nip2_parent_regon{"nip2_parent_regon", 2554, 16, FieldType::Str};
inline constexpr Field nip2_parent_organ_name{"nip2_parent_organ_name", 2570, 51, FieldType::Str};
inline constexpr Field nip2_parent_register_name{"nip2_parent_register_name", 2621, 51, FieldType::Str};
inline constexpr Field nip2_parent_register_date{"nip2_parent_register_date", 2672, 4, FieldType::Date};
inline constexpr Field nip2_parent_register_no{"nip2_parent_register_no", 2676, 12, FieldType::Str};
inline constexpr Field nip2_parent_seat_addr{"nip2_parent_seat_addr", 2688, 238, FieldType::Group,
                                             &address_block::layout};
inline constexpr std::uint32_t kPartnerCount = 6;
inline constexpr Field partners{"partners", 2926, kPartnerCount * partner_entry::kSize, FieldType::Group,
                                &partner_entry::layout, kPartnerCount};

inline constexpr Field nip2_fields[] = {
    nip2_org_form, nip2_legal_form, reserved_2419, nip2_special_form_code, nip2_flag_balance_sheet,
    nip2_flag_bank, nip2_flag_foreign_small_firm, nip2_flag_sheltered_workshop, nip2_flag_foreign_capital,
    nip2_flag_state_sole_company, nip2_flag_state_minor_company, nip2_flag_activity_centre,
    nip2_parent_full_name, nip2_parent_short_name, nip2_parent_nip, nip2_parent_regon, nip2_parent_organ_name,
    nip2_parent_register_name, nip2_parent_register_date, nip2_parent_register_no, nip2_parent_seat_addr,
    partners,
};
inline constexpr Layout nip2_layout{"nip.nip2", 2417, kRecordSize, nip2_fields};
static_assert(isContiguous(nip2_layout));

// NIP-3 after the personal data, 2704..4857.
inline constexpr Field nip3_change1_items{"nip3_change1_items", 2704, 21, FieldType::Str};
inline constexpr Field nip3_change1_date{"nip3_change1_date", 2725, 4, FieldType::Date};
inline constexpr Field nip3_change2_items{"nip3_change2_items", 2729, 21, FieldType::Str};
inline constexpr Field nip3_change2_date{"nip3_change2_date", 2750, 4, FieldType::Date};
inline constexpr Field nip3_reg_addr{"nip3_reg_addr", 2754, 238, FieldType::Group, &address_block::layout};
inline constexpr Field nip3_corr_to_residence{"nip3_corr_to_residence", 2992, 1, FieldType::U8};
inline constexpr Field nip3_res_addr{"nip3_res_addr", 2993, 238, FieldType::Group, &address_block::layout};
inline constexpr Field nip3_pers_bank{"nip3_pers_bank", 3231, 119, FieldType::Group, &bank_block::layout};
inline constexpr Field nip3_agent_nip{"nip3_agent_nip", 3350, 14, FieldType::Str};
inline constexpr Field nip3_agent_name{"nip3_agent_name", 3364, 41, FieldType::Str};
inline constexpr Field reserved_3405{"reserved_3405", 3405, 1453, FieldType::Reserved};

inline constexpr Field nip3_fields[] = {
    nip3_change1_items, nip3_change1_date, nip3_change2_items, nip3_change2_date, nip3_reg_addr,
    nip3_corr_to_residence, nip3_res_addr, nip3_pers_bank, nip3_agent_nip, nip3_agent_name, reserved_3405,
};
inline constexpr Layout nip3_layout{"nip.nip3", 2704, kRecordSize, nip3_fields};
static_assert(isContiguous(nip3_layout));

// The parts join up into whole records of every form.
static_assert(common_layout.end == personal_layout.begin && common_layout.end == nip2_layout.begin);
static_assert(personal_layout.end == nip1_layout.begin && personal_layout.end == nip3_layout.begin);

// A cleared record: all zeros, `account_no` the blank account.
inline void ClearNipRecord(Bytes rec)
{
    assert(rec.size() == kRecordSize);
    ClearRecordBytes(rec);
}

} // namespace nip
