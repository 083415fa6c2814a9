#pragma once
#include "core/common/field_layout.h"

// The ledger system's files, read only: the taxpayer record of "konta200."
// and the tax office of "urzedy.". Only the fields listed are of concern here;
// the ledger's other bytes are carried as reserved stretches.
namespace ledger {

// The taxpayer file's base name; record n is the taxpayer of account n.
inline constexpr std::string_view kTaxpayerFile = "konta200.";
inline constexpr std::uint32_t kRecordSize = 3953;

inline constexpr Field account_no{"account_no", 0, 9, FieldType::Str};
inline constexpr Field reserved_9{"reserved_9", 9, 16, FieldType::Reserved};
inline constexpr Field surname{"surname", 25, 41, FieldType::Str};
inline constexpr Field first_name{"first_name", 66, 41, FieldType::Str};
inline constexpr Field bank_name{"bank_name", 107, 41, FieldType::Str};
inline constexpr Field bank_account_no{"bank_account_no", 148, 41, FieldType::Str};
inline constexpr Field office_index{"office_index", 189, 1, FieldType::U8};
inline constexpr Field father_name{"father_name", 190, 21, FieldType::Str};
inline constexpr Field mother_name{"mother_name", 211, 21, FieldType::Str};
inline constexpr Field birth_place{"birth_place", 232, 21, FieldType::Str};
inline constexpr Field birth_date{"birth_date", 253, 4, FieldType::Date};
inline constexpr Field pesel{"pesel", 257, 12, FieldType::Str};
inline constexpr Field reserved_269{"reserved_269", 269, 11, FieldType::Reserved};
inline constexpr Field start_date{"start_date", 280, 4, FieldType::Date};
inline constexpr Field reserved_284{"reserved_284", 284, 4, FieldType::Reserved};
inline constexpr Field business_form{"business_form", 288, 1, FieldType::U8};
inline constexpr Field reserved_289{"reserved_289", 289, 12, FieldType::Reserved};
inline constexpr Field partner_link{"partner_link", 301, 4, FieldType::I32};
inline constexpr Field reserved_305{"reserved_305", 305, 1, FieldType::Reserved};
inline constexpr Field activity_desc{"activity_desc", 306, 56, FieldType::Str};
inline constexpr Field regon{"regon", 362, 16, FieldType::Str};
inline constexpr Field reserved_378{"reserved_378", 378, 392, FieldType::Reserved};
inline constexpr Field taxpayer_kind{"taxpayer_kind", 770, 1, FieldType::U8};
inline constexpr Field full_name{"full_name", 771, 51, FieldType::Str};
inline constexpr Field short_name{"short_name", 822, 31, FieldType::Str};
inline constexpr Field reg_organ_name{"reg_organ_name", 853, 51, FieldType::Str};
inline constexpr Field register_name{"register_name", 904, 51, FieldType::Str};
inline constexpr Field register_date{"register_date", 955, 4, FieldType::Date};
inline constexpr Field register_no{"register_no", 959, 12, FieldType::Str};
inline constexpr Field reserved_971{"reserved_971", 971, 236, FieldType::Reserved};
inline constexpr Field other_records_flag{"other_records_flag", 1207, 1, FieldType::U8};
inline constexpr Field reserved_1208{"reserved_1208", 1208, 640, FieldType::Reserved};
inline constexpr Field second_office_index{"second_office_index", 1848, 1, FieldType::U8};
inline constexpr Field reserved_1849{"reserved_1849", 1849, 12, FieldType::Reserved};
inline constexpr Field home_country{"home_country", 1861, 21, FieldType::Str};
inline constexpr Field home_voivodeship{"home_voivodeship", 1882, 21, FieldType::Str};
inline constexpr Field home_commune{"home_commune", 1903, 21, FieldType::Str};
inline constexpr Field home_street{"home_street", 1924, 21, FieldType::Str};
inline constexpr Field home_house_no{"home_house_no", 1945, 11, FieldType::Str};
inline constexpr Field home_flat_no{"home_flat_no", 1956, 6, FieldType::Str};
inline constexpr Field home_locality{"home_locality", 1962, 26, FieldType::Str};
inline constexpr Field home_postcode{"home_postcode", 1988, 7, FieldType::Str};
inline constexpr Field home_post_office{"home_post_office", 1995, 26, FieldType::Str};
inline constexpr Field home_phone{"home_phone", 2021, 31, FieldType::Str};
inline constexpr Field reserved_2052{"reserved_2052", 2052, 1, FieldType::Reserved};
inline constexpr Field home_county{"home_county", 2053, 16, FieldType::Str};
inline constexpr Field home_fax{"home_fax", 2069, 11, FieldType::Str};
inline constexpr Field seat_country{"seat_country", 2080, 21, FieldType::Str};
inline constexpr Field seat_voivodeship{"seat_voivodeship", 2101, 21, FieldType::Str};
inline constexpr Field seat_commune{"seat_commune", 2122, 21, FieldType::Str};
inline constexpr Field seat_street{"seat_street", 2143, 21, FieldType::Str};
inline constexpr Field seat_house_no{"seat_house_no", 2164, 11, FieldType::Str};
inline constexpr Field seat_flat_no{"seat_flat_no", 2175, 6, FieldType::Str};
inline constexpr Field seat_locality{"seat_locality", 2181, 26, FieldType::Str};
inline constexpr Field seat_postcode{"seat_postcode", 2207, 7, FieldType::Str};
inline constexpr Field seat_post_office{"seat_post_office", 2214, 26, FieldType::Str};
inline constexpr Field seat_phone{"seat_phone", 2240, 31, FieldType::Str};
inline constexpr Field reserved_2271{"reserved_2271", 2271, 1, FieldType::Reserved};
inline constexpr Field seat_county{"seat_county", 2272, 16, FieldType::Str};
inline constexpr Field seat_fax{"seat_fax", 2288, 11, FieldType::Str};
inline constexpr Field nip{"nip", 2299, 14, FieldType::Str};
inline constexpr Field reserved_2313{"reserved_2313", 2313, 236, FieldType::Reserved};
inline constexpr Field second_office_flag{"second_office_flag", 2549, 1, FieldType::U8};
inline constexpr Field reserved_2550{"reserved_2550", 2550, 1403, FieldType::Reserved};

inline constexpr Field fields[] = {
    account_no, reserved_9, surname, first_name, bank_name, bank_account_no, office_index, father_name,
    mother_name, birth_place, birth_date, pesel, reserved_269, start_date, reserved_284, business_form,
    reserved_289, partner_link, reserved_305, activity_desc, regon, reserved_378, taxpayer_kind, full_name,
    short_name, reg_organ_name, register_name, register_date, register_no, reserved_971, other_records_flag,
    reserved_1208, second_office_index, reserved_1849, home_country, home_voivodeship, home_commune, home_street,
    home_house_no, home_flat_no, home_locality, home_postcode, home_post_office, home_phone, reserved_2052,
    home_county, home_fax, seat_country, seat_voivodeship, seat_commune, seat_street, seat_house_no, seat_flat_no,
    seat_locality, seat_postcode, seat_post_office, seat_phone, reserved_2271, seat_county, seat_fax, nip,
    reserved_2313, second_office_flag, reserved_2550,
};
inline constexpr Layout layout{"ledger", 0, kRecordSize, fields};
static_assert(isContiguous(layout));

} // namespace ledger

namespace tax_office {

inline constexpr std::uint32_t kRecordSize = 286;

inline constexpr Field name{"name", 0, 61, FieldType::Str};
inline constexpr Field reserved_61{"reserved_61", 61, 225, FieldType::Reserved};

inline constexpr Field fields[] = {name, reserved_61};
inline constexpr Layout layout{"tax_office", 0, kRecordSize, fields};
static_assert(isContiguous(layout));

} // namespace tax_office
