#pragma once
#include "core/common/messages.h"

#include <cstdint>
#include <string>
#include <string_view>

// Filling a form record from the ledger taxpayer in currentTaxpayer(), over
// the record buffer of the form's kind, before an editor opened from ledger
// data shows it. Fields the pre-fill does not name keep what the buffer held.
//
// Each pre-fill works on a copy of the buffer and puts it back only when the
// whole fill succeeded:
// - false: the taxpayer's account was refused by CheckLedgerAccount (the
//   operator has been told); the buffer is untouched and the editor should
//   not go on, since nothing it saved could be written safely;
// - IoError (a partner link outside the ledger file, a file that cannot be
//   read): the buffer is untouched as well.
//
// REGONs arrive as their digits. One that is longer than the form's REGON
// box takes is left out, and the operator is told once the fill succeeded.

// NIP-1 (formType 1) or NIP-2 (formType 2), into the NIP buffer.
bool PrefillNip(std::uint8_t formType, Messenger& messages);
// VAT-R, into the VAT-R buffer.
bool PrefillVatR(Messenger& messages);
// NIP-B, into the NIP-B buffer.
bool PrefillNipB(Messenger& messages);

// A name field split into its first two words and the rest: the text cut
// to 40 characters, blanks before each word skipped, the rest kept as it
// stands after the blanks that follow the second word.
struct Split3 {
    std::string first;
    std::string second;
    std::string rest;
    bool operator==(const Split3&) const = default;
};
Split3 split3(std::string_view text);
