#pragma once
#include "core/common/grid_sort.h"
#include "core/common/list_progress.h"
#include "core/common/record_access.h"

#include <string>
#include <vector>

// The list of ledger taxpayers that the taxpayer search shows: one row
// (account, name, NIP) per taxpayer record that is not free. Texts are code
// page 1250.

// The header row: "Konto", "Nazwisko i imię", "NIP".
std::vector<std::string> TaxpayerListHeader();

// The row of a ledger record: the account and the NIP as the ledger keeps
// them, the surname and first name in code page 1250.
std::vector<std::string> TaxpayerListRow(ConstBytes record);

// Makes `table` the header row alone and appends the rows of the ledger's
// taxpayers in file order. The progress runs from 1 to the number of
// records, one for every record read. An input/output error is thrown with
// the rows read before it left in `table`.
void LoadTaxpayerList(RowTable& table, ListProgress& progress);
