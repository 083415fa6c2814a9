#pragma once
#include "core/print/print_forms.h"

#include <cstdint>
#include <vector>

// The record a form prints from with every field the form holds filled at
// its widest: texts to their full width (a digit, then the widest capital,
// so a NIP prints in its longest form), dates and years with all their
// digits, and `choice` in every choice, flag and count byte. Printed with
// each of kFilledChoices in turn, a page shows every text it can print.
std::vector<std::uint8_t> filledRecord(FormKind kind, std::uint8_t choice);

// No choice of the layouts selects anything above 4.
inline constexpr std::uint8_t kFilledChoices[] = {0, 1, 2, 3, 4};
