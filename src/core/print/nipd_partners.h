#pragma once
#include "core/common/record_access.h"
#include "core/print/print_forms.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The partners of a NIP-2 print on its NIP-D sheets, three to a sheet, and
// only on as many sheets as the record counts NIP-D attachments (two at
// most): partners in use beyond them would never reach the paper.
namespace nipd_partners {

// The sheets the partners in use need: up to the sheet of the last of them.
int sheetsNeeded(ConstBytes nipRecord);

// What the operator is told before printing when partners in use would not
// be printed ("Dane wspólników 4–6 nie zostaną wydrukowane: liczba
// załączników NIP-D wynosi 1."); nothing when all of them print.
std::optional<std::string> unprintedNotice(ConstBytes nipRecord);

// Makes a copy of the record and the ticks of the print dialog print the
// sheets the partners need, both pages of each: the copy counts those
// sheets as its NIP-D attachments. The stored record stays as it is.
void printSheetsNeeded(std::vector<std::uint8_t>& nipRecord, BoxTicks& ticked);

} // namespace nipd_partners
