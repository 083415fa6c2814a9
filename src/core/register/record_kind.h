#pragma once
#include "core/records/nip_record.h"
#include "core/records/vat_records.h"

#include <cstdint>
#include <string_view>

// The five record files of the register. The record index in a file is the
// taxpayer's account number.
struct RecordKind {
    int index;
    std::string_view name;        // kind name, matched in upper case
    std::string_view baseName;    // file base name, ending in a point
    std::uint32_t recordSize;
    std::string_view lowerName;   // as the register's messages name the file
};

inline constexpr RecordKind kRecordKinds[] = {
    {0, "REJFOR", "REJFOR.", nip::kRecordSize, "rejfor"},
    {1, "VATR", "vatr.", vatr::kRecordSize, "vatr"},
    {2, "VATZ", "vatz.", vatz::kRecordSize, "vatz"},
    {3, "VAT21", "vat21.", vat21::kRecordSize, "vat21"},
    {4, "NIPB", "nipb.", nipb::kRecordSize, "nipb"},
};

enum KindIndex { KindRejfor = 0, KindVatr = 1, KindVatz = 2, KindVat21 = 3, KindNipb = 4 };

// A name that matches no kind selects kind 0.
const RecordKind& kindByName(std::string_view name);
const RecordKind& kindAt(int index);
