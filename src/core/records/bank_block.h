#pragma once
#include "core/common/field_layout.h"

// The 119-byte bank account kept by the NIP and NIP-B records. Offsets are
// relative to the block.
namespace bank_block {

inline constexpr std::uint32_t kSize = 119;

inline constexpr Field bank_name{"bank_name", 0, 41, FieldType::Str};
inline constexpr Field number{"number", 41, 36, FieldType::Str};
inline constexpr Field holder{"holder", 77, 41, FieldType::Str};
inline constexpr Field closed{"closed", 118, 1, FieldType::U8};

inline constexpr Field fields[] = {bank_name, number, holder, closed};
inline constexpr Layout layout{"bank_block", 0, kSize, fields};
static_assert(isContiguous(layout));

} // namespace bank_block
