#pragma once
#include "core/common/grid_sort.h"
#include "core/common/list_progress.h"
#include "core/common/record_access.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The list of stored records that the record search list shows: one row
// (account, name, NIP) per record in use of a kind's file; for kind REJFOR
// only the records of one NIP form type. Texts are code page 1250.

// The header row: "Konto", "Nazwa", "NIP".
std::vector<std::string> RecordListHeader();

// The row of one record, or nothing when the list leaves the record out.
std::optional<std::vector<std::string>> RecordListRow(int kind, std::uint8_t formType, ConstBytes record);

// Makes `table` the header row alone and appends the rows of the kind's
// records in file order. The progress runs from 0 to the number of records
// and, when a tenth of that is not 0, moves on by a tenth at every record
// whose count (from 1) is a multiple of it. An input/output error is thrown
// with the rows read before it left in `table`.
void LoadRecordList(RowTable& table, int kind, std::uint8_t formType, ListProgress& progress);
