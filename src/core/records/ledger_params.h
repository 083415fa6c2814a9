#pragma once
#include "core/common/field_layout.h"

// Records the ledger system keeps beside its taxpayers: its parameter record
// (record 0 of "Bank.") and the lump-sum rates (record 0 of "strycz.").
namespace ledger_params {

inline constexpr std::uint32_t kRecordSize = 416;

inline constexpr Field year{"year", 0, 2, FieldType::U16};
inline constexpr Field month{"month", 2, 1, FieldType::U8};
inline constexpr Field reserved_3{"reserved_3", 3, 82, FieldType::Reserved};
inline constexpr Field office_nip{"office_nip", 85, 14, FieldType::Str};
inline constexpr Field reserved_99{"reserved_99", 99, 17, FieldType::Reserved};
inline constexpr Field letter_mode{"letter_mode", 116, 1, FieldType::U8}; // 0 none, 1 code page 852, 2 Mazovia
inline constexpr Field reserved_117{"reserved_117", 117, 299, FieldType::Reserved};

inline constexpr Field fields[] = {year, month, reserved_3, office_nip, reserved_99, letter_mode, reserved_117};
inline constexpr Layout layout{"ledger_params", 0, kRecordSize, fields};
static_assert(isContiguous(layout));

} // namespace ledger_params

namespace rates_record {

inline constexpr std::uint32_t kRateCount = 6;
inline constexpr std::uint32_t kRecordSize = kRateCount * 6;

inline constexpr Field rates{"rates", 0, kRecordSize, FieldType::Real6, nullptr, kRateCount};

inline constexpr Field fields[] = {rates};
inline constexpr Layout layout{"rates_record", 0, kRecordSize, fields};
static_assert(isContiguous(layout));

} // namespace rates_record
