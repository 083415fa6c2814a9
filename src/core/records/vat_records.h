#pragma once
#include "core/common/field_layout.h"
#include "core/records/address_block.h"
#include "core/records/bank_block.h"

// The VAT-R, VAT-Z, VAT-21 and NIP-B records (files "vatr.", "vatz.",
// "vat21.", "nipb."). Bytes no form writes stay zero from clearing.

// The head the four records share.
namespace vat_head {
inline constexpr Field account_no{"account_no", 0, 9, FieldType::Str};
inline constexpr Field nip{"nip", 9, 14, FieldType::Str};
} // namespace vat_head

namespace vatr {

inline constexpr std::uint32_t kRecordSize = 957;

using vat_head::account_no;
using vat_head::nip;
inline constexpr Field purpose{"purpose", 23, 1, FieldType::U8};
inline constexpr Field tax_office{"tax_office", 24, 61, FieldType::Str};
inline constexpr Field foreign_office_lines{"foreign_office_lines", 85, 4 * 41, FieldType::Str, nullptr, 4};
inline constexpr Field office_changed{"office_changed", 249, 1, FieldType::U8};
inline constexpr Field prev_tax_office{"prev_tax_office", 250, 61, FieldType::Str};
inline constexpr Field taxpayer_kind{"taxpayer_kind", 311, 1, FieldType::U8};
inline constexpr Field name{"name", 312, 61, FieldType::Str};
inline constexpr Field name_2{"name_2", 373, 41, FieldType::Str};
inline constexpr Field id_no{"id_no", 414, 16, FieldType::Str};
inline constexpr Field birth_or_start_date{"birth_or_start_date", 430, 4, FieldType::Date};
inline constexpr Field addr{"addr", 434, address_block::kSize, FieldType::Group, &address_block::layout};
inline constexpr Field addr_email{"addr_email", 672, 31, FieldType::Str};
inline constexpr Field foreign_vat_no{"foreign_vat_no", 703, 21, FieldType::Str};
inline constexpr Field c1_items{"c1_items", 724, 10, FieldType::U8, nullptr, 10};
inline constexpr Field c1_date{"c1_date", 734, 4, FieldType::Date};
inline constexpr Field cash_method{"cash_method", 738, 1, FieldType::U8};
inline constexpr Field cash_method_period{"cash_method_period", 739, 1, FieldType::U8};
inline constexpr Field cash_method_year{"cash_method_year", 740, 4, FieldType::I32};
inline constexpr Field quarterly{"quarterly", 744, 1, FieldType::U8};
inline constexpr Field quarterly_quarter{"quarterly_quarter", 745, 1, FieldType::U8};
inline constexpr Field quarterly_year{"quarterly_year", 746, 4, FieldType::I32};
inline constexpr Field special_proc{"special_proc", 750, 1, FieldType::U8};
inline constexpr Field special_proc_month{"special_proc_month", 751, 1, FieldType::U8};
inline constexpr Field special_proc_year{"special_proc_year", 752, 4, FieldType::I32};
inline constexpr Field first_decl_form{"first_decl_form", 756, 1, FieldType::U8};
inline constexpr Field first_decl_period{"first_decl_period", 757, 1, FieldType::U8};
inline constexpr Field first_decl_year{"first_decl_year", 758, 4, FieldType::I32};
inline constexpr Field vat_r_ue_attached{"vat_r_ue_attached", 762, 1, FieldType::U8};
inline constexpr Field declarant_first_name{"declarant_first_name", 763, 21, FieldType::Str};
inline constexpr Field declarant_surname{"declarant_surname", 784, 41, FieldType::Str};
inline constexpr Field declarant_phone{"declarant_phone", 825, 26, FieldType::Str};
inline constexpr Field declarant_email{"declarant_email", 851, 31, FieldType::Str};
inline constexpr Field fill_date{"fill_date", 882, 4, FieldType::Date};
// 886..906: the VAT-R/UE attachment, written only while it is attached.
inline constexpr Field ue_kinds{"ue_kinds", 886, 4, FieldType::U8, nullptr, 4};
inline constexpr Field reserved_890{"reserved_890", 890, 4, FieldType::Reserved};
inline constexpr Field ue_start_date{"ue_start_date", 894, 4, FieldType::Date};
inline constexpr Field ue_end_kinds{"ue_end_kinds", 898, 4, FieldType::U8, nullptr, 4};
inline constexpr Field ue_end_date{"ue_end_date", 902, 4, FieldType::Date};
inline constexpr Field deposit{"deposit", 906, 1, FieldType::U8};
inline constexpr Field reserved_907{"reserved_907", 907, 50, FieldType::Reserved};

inline constexpr Field fields[] = {
    account_no, nip, purpose, tax_office, foreign_office_lines, office_changed, prev_tax_office, taxpayer_kind,
    name, name_2, id_no, birth_or_start_date, addr, addr_email, foreign_vat_no, c1_items, c1_date, cash_method,
    cash_method_period, cash_method_year, quarterly, quarterly_quarter, quarterly_year, special_proc,
    special_proc_month, special_proc_year, first_decl_form, first_decl_period, first_decl_year, vat_r_ue_attached,
    declarant_first_name, declarant_surname, declarant_phone, declarant_email, fill_date, ue_kinds, reserved_890,
    ue_start_date, ue_end_kinds, ue_end_date, deposit, reserved_907,
};
inline constexpr Layout layout{"vatr", 0, kRecordSize, fields};
static_assert(isContiguous(layout));

} // namespace vatr

// The head that VAT-Z and VAT-21 share after account and NIP: the office the
// notice goes to and who the taxpayer is.
namespace notice_head {

inline constexpr Field tax_office{"tax_office", 23, 61, FieldType::Str};
inline constexpr Field taxpayer_kind{"taxpayer_kind", 84, 1, FieldType::U8};
inline constexpr Field name{"name", 85, 51, FieldType::Str};
inline constexpr Field reserved_136{"reserved_136", 136, 21, FieldType::Reserved};
inline constexpr Field birth_date{"birth_date", 157, 4, FieldType::Date};

} // namespace notice_head

namespace vatz {

inline constexpr std::uint32_t kRecordSize = 597;

using vat_head::account_no;
using vat_head::nip;
using notice_head::tax_office;
using notice_head::taxpayer_kind;
using notice_head::name;
using notice_head::reserved_136;
using notice_head::birth_date;
inline constexpr Field addr{"addr", 161, address_block::kSize, FieldType::Group, &address_block::layout};
inline constexpr Field addr_email{"addr_email", 399, 31, FieldType::Str};
inline constexpr Field cessation_date{"cessation_date", 430, 4, FieldType::Date};
inline constexpr Field cessation_reason{"cessation_reason", 434, 1, FieldType::U8};
inline constexpr Field last_decl_office{"last_decl_office", 435, 61, FieldType::Str};
inline constexpr Field last_decl_period{"last_decl_period", 496, 1, FieldType::U8};
inline constexpr Field last_decl_year{"last_decl_year", 497, 4, FieldType::I32};
inline constexpr Field declarant_first_name{"declarant_first_name", 501, 21, FieldType::Str};
inline constexpr Field declarant_surname{"declarant_surname", 522, 41, FieldType::Str};
inline constexpr Field fill_date{"fill_date", 563, 4, FieldType::Date};
inline constexpr Field reserved_567{"reserved_567", 567, 30, FieldType::Reserved};

inline constexpr Field fields[] = {
    account_no, nip, tax_office, taxpayer_kind, name, reserved_136, birth_date, addr, addr_email, cessation_date,
    cessation_reason, last_decl_office, last_decl_period, last_decl_year, declarant_first_name, declarant_surname,
    fill_date, reserved_567,
};
inline constexpr Layout layout{"vatz", 0, kRecordSize, fields};
static_assert(isContiguous(layout));

} // namespace vatz

// One member state of a VAT-21 record (47 bytes).
namespace country_entry {

inline constexpr std::uint32_t kSize = 47;

inline constexpr Field country{"country", 0, 31, FieldType::Str};
inline constexpr Field planned_first_supply{"planned_first_supply", 31, 4, FieldType::Date};
inline constexpr Field first_supply{"first_supply", 35, 4, FieldType::Date};
inline constexpr Field choice_notified{"choice_notified", 39, 4, FieldType::Date};
inline constexpr Field planned_supply_after{"planned_supply_after", 43, 4, FieldType::Date};

inline constexpr Field fields[] = {country, planned_first_supply, first_supply, choice_notified, planned_supply_after};
inline constexpr Layout layout{"country_entry", 0, kSize, fields};
static_assert(isContiguous(layout));

} // namespace country_entry

namespace vat21 {

inline constexpr std::uint32_t kRecordSize = 1624;

using vat_head::account_no;
using vat_head::nip;
using notice_head::tax_office;
using notice_head::taxpayer_kind;
using notice_head::name;
using notice_head::reserved_136;
using notice_head::birth_date;
// The postal part of an address block: VAT-21 keeps no telephone or fax.
inline constexpr Field addr{"addr", 161, address_block::kPostalSize, FieldType::Group, &address_block::postal_layout};
inline constexpr Field reserved_352{"reserved_352", 352, 47, FieldType::Reserved};
inline constexpr Field purpose{"purpose", 399, 1, FieldType::U8};
inline constexpr std::uint32_t kCountryCount = 24;
inline constexpr Field countries{"countries", 400, kCountryCount * country_entry::kSize, FieldType::Group,
                                 &country_entry::layout, kCountryCount};
inline constexpr Field declarant_first_name{"declarant_first_name", 1528, 21, FieldType::Str};
inline constexpr Field declarant_surname{"declarant_surname", 1549, 41, FieldType::Str};
inline constexpr Field fill_date{"fill_date", 1590, 4, FieldType::Date};
inline constexpr Field reserved_1594{"reserved_1594", 1594, 30, FieldType::Reserved};

inline constexpr Field fields[] = {
    account_no, nip, tax_office, taxpayer_kind, name, reserved_136, birth_date, addr, reserved_352, purpose,
    countries, declarant_first_name, declarant_surname, fill_date, reserved_1594,
};
inline constexpr Layout layout{"vat21", 0, kRecordSize, fields};
static_assert(isContiguous(layout));

} // namespace vat21

namespace nipb {

inline constexpr std::uint32_t kRecordSize = 922;

using vat_head::account_no;
using vat_head::nip;
inline constexpr Field is_person{"is_person", 23, 1, FieldType::U8};
inline constexpr Field name{"name", 24, 51, FieldType::Str};
inline constexpr Field first_name{"first_name", 75, 21, FieldType::Str};
inline constexpr Field birth_date{"birth_date", 96, 4, FieldType::Date};
inline constexpr Field id_no{"id_no", 100, 12, FieldType::Str};
inline constexpr std::uint32_t kBankCount = 6;
inline constexpr Field banks{"banks", 112, kBankCount * bank_block::kSize, FieldType::Group, &bank_block::layout,
                             kBankCount};
inline constexpr Field declarant_first_name{"declarant_first_name", 826, 21, FieldType::Str};
inline constexpr Field declarant_surname{"declarant_surname", 847, 41, FieldType::Str};
inline constexpr Field fill_date{"fill_date", 888, 4, FieldType::Date};
inline constexpr Field reserved_892{"reserved_892", 892, 30, FieldType::Reserved};

inline constexpr Field fields[] = {
    account_no, nip, is_person, name, first_name, birth_date, id_no, banks,
    declarant_first_name, declarant_surname, fill_date, reserved_892,
};
inline constexpr Layout layout{"nipb", 0, kRecordSize, fields};
static_assert(isContiguous(layout));

} // namespace nipb
