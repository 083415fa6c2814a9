#pragma once
#include "core/common/grid_sort.h"

#include <string>
#include <string_view>

// Finding rows in the lists of the choosing dialogs: column 0 holds the
// account, column 1 the name, column 2 the NIP. Texts are code page 1250;
// each search returns a data row (1 on) or -1.
inline constexpr int kAccountColumn = 0;
inline constexpr int kNameColumn = 1;
inline constexpr int kNipColumn = 2;

// The text without the blanks and control characters at either end.
std::string Trimmed(std::string_view text);

// The first row whose account equals `account`, letter case ignored.
int FindRowByAccount(const RowTable& table, std::string_view account);

// The first row whose name begins with `letter`, both upper-cased.
int FindRowByInitial(const RowTable& table, char letter);

// The search of the filter fields: the name pattern is the name text trimmed
// and upper-cased, the NIP pattern the NIP text trimmed, upper-cased and
// without dashes. The first row whose upper-cased name holds the name
// pattern and whose NIP without dashes holds the NIP pattern (each only when
// given); -1 when both patterns are empty or no row matches.
int FindRowBySearch(const RowTable& table, std::string_view nameText, std::string_view nipText);
