#pragma once
#include "desktop/forms/shell/Binding.h"

class QLineEdit;

// Hints on the number fields of an editor: a NIP, PESEL, REGON or bank
// account number that is complete and fails its control digits gets a red
// mark over its box and a tooltip saying what is wrong; the mark goes as
// soon as the number is right or incomplete again. The hints follow every
// change of the text (loading included) and never refuse, change or hold
// up anything.
//
// Which fields hold which number comes from the binding table: the record
// field each control is bound to. A PESEL is also checked against the birth
// date the same table binds, where there is one.
void attachChecksumHints(const BindingTable& table);

// The mark a hinted field shows while its number is wrong.
inline constexpr const char* kChecksumMarkName = "checksumMark";
