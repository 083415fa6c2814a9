#pragma once
#include "core/common/date4.h"
#include "core/common/field_layout.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Typed access to the fields of a record held as bytes. Strings are the
// record's own code page 1250 bytes.
using Bytes = std::span<std::uint8_t>;
using ConstBytes = std::span<const std::uint8_t>;

// A length byte above the field's capacity is read as the capacity: stored
// files may be damaged.
std::string getStr(ConstBytes rec, const Field& f);
// Cuts to the capacity; writes the length byte and the characters only.
void setStr(Bytes rec, const Field& f, std::string_view text);

Date4 getDate(ConstBytes rec, const Field& f);
void setDate(Bytes rec, const Field& f, Date4 d);

std::uint8_t getU8(ConstBytes rec, const Field& f);
void setU8(Bytes rec, const Field& f, std::uint8_t v);

std::uint16_t getU16(ConstBytes rec, const Field& f);
void setU16(Bytes rec, const Field& f, std::uint16_t v);

std::int32_t getI32(ConstBytes rec, const Field& f);
void setI32(Bytes rec, const Field& f, std::int32_t v);

// Sets every byte of the field to zero.
void clearField(Bytes rec, const Field& f);
