#pragma once
#include "core/records/nip_record.h"

// A partner entry of a NIP-2 record is in use when it has a reason and a
// name; an entry out of use is stored as zeros.
inline bool partnerInUse(ConstBytes record, const Field& entry)
{
    return getU8(record, entry / partner_entry::reason) != 0 && !getStr(record, entry / partner_entry::name).empty();
}
