#pragma once
#include "core/records/ledger_params.h"
#include "core/common/field_layout.h"
#include "core/records/nip_record.h"
#include "core/records/vat_records.h"
#include "core/records/ledger_record.h"

#include <span>

// Every record layout of the program's files, whole records or the parts of
// one (the NIP record's common part and its variants). Blocks are reached
// through the Group fields.
inline constexpr const Layout* kAllLayouts[] = {
    &nip::common_layout, &nip::personal_layout, &nip::nip1_layout,   &nip::nip2_layout,
    &nip::nip3_layout,   &vatr::layout,         &vatz::layout,       &vat21::layout,
    &nipb::layout,       &ledger::layout,       &tax_office::layout, &ledger_params::layout,
    &rates_record::layout,
};

inline std::span<const Layout* const> AllLayouts() { return kAllLayouts; }
