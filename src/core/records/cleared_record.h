#pragma once
#include "core/common/record_access.h"

// Clears a record of any register file: every byte zero, then the account
// field (offset 0 in every kind) set to the blank account, which marks a
// free slot.
void ClearRecordBytes(Bytes rec);
