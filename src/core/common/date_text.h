#pragma once
#include "core/common/date4.h"

#include <string>
#include <string_view>

class Messenger;

// Dates are shown and entered day-month-year, "dd-mm-yyyy" (05-12-2004).

// The text of a date field that holds nothing.
extern const char* const kEmptyDateText; // "  -  -    "

// "dd-mm-yyyy", or the empty date text when the date does not exist (no
// date, month 0 or above 12, a day the month does not have, year 0).
std::string DateText(Date4 date);

// Parses day-month-year separated by '-'. Day and month take one or two
// digits, the year four; blanks around the numbers are allowed. A text that
// is no existing date gives the zero date.
Date4 TextToDate(std::string_view text);

// 1 when the text is a date, else tells the operator "Niepoprawna data" and
// gives 0.
int IsValidDate(std::string_view text, Messenger& messenger);
