#pragma once
#include "core/common/field_layout.h"

// The 238-byte address kept wherever a record holds an address (seat,
// residence, places of business, partners). Offsets are relative to the block.
namespace address_block {

inline constexpr std::uint32_t kSize = 238;

inline constexpr Field country{"country", 0, 21, FieldType::Str};
inline constexpr Field voivodeship{"voivodeship", 21, 21, FieldType::Str};
inline constexpr Field county{"county", 42, 21, FieldType::Str};
inline constexpr Field commune{"commune", 63, 21, FieldType::Str};
inline constexpr Field street{"street", 84, 31, FieldType::Str};
inline constexpr Field house_no{"house_no", 115, 11, FieldType::Str};
inline constexpr Field flat_no{"flat_no", 126, 6, FieldType::Str};
inline constexpr Field locality{"locality", 132, 26, FieldType::Str};
inline constexpr Field postcode{"postcode", 158, 7, FieldType::Str};
inline constexpr Field post_office{"post_office", 165, 26, FieldType::Str};
inline constexpr Field phone{"phone", 191, 31, FieldType::Str};
inline constexpr Field fax{"fax", 222, 16, FieldType::Str};

inline constexpr Field fields[] = {
    country, voivodeship, county, commune, street, house_no, flat_no, locality, postcode, post_office, phone, fax,
};
inline constexpr Layout layout{"address_block", 0, kSize, fields};
static_assert(isContiguous(layout));

// The postal part alone (country to post office, 191 bytes): the VAT-21
// record keeps no telephone or fax.
inline constexpr std::uint32_t kPostalSize = 191;
inline constexpr Layout postal_layout{"address_block.postal", 0, kPostalSize, std::span(fields).first(10)};
static_assert(isContiguous(postal_layout));

} // namespace address_block
