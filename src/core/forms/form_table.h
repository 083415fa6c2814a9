#pragma once
#include "core/common/field_layout.h"
#include "core/common/messages.h"
#include "core/print/print_forms.h"
#include "core/register/record_kind.h"

#include <cstdint>
#include <span>
#include <string_view>

// The seven forms of the program and what the commands, the editors, the
// print dialog and the tests need to know of each.
enum class Form { Nip1, Nip2, Nip3, NipB, VatR, VatZ, Vat21 };

struct FormInfo {
    Form form;
    std::string_view name;  // "NIP-1"
    int recordKind;         // KindIndex of the record file
    std::uint8_t formType;  // the NIP record's form type (1, 2, 3); 0 in the other kinds
    FormKind printKind;     // the print dialog's form kind
    // Fills the kind's buffer from the ledger taxpayer before an editor
    // opened from ledger data shows it; null where the form has none.
    bool (*prefill)(Messenger& messages);
    // Opening modes (bit 1 << mode) in which the editor copies the buffer
    // into its controls; in the others it starts from their defaults.
    std::uint8_t loadModes;
    // The layouts that together describe the form's part of its record.
    std::span<const Layout* const> layouts;

    const RecordKind& kind() const { return kindAt(recordKind); }
    std::uint32_t recordSize() const { return kind().recordSize; }
    const PrintForm& print() const { return printForm(printKind); }
    bool loadsIn(int mode) const { return mode >= 0 && mode < 8 && (loadModes >> mode & 1) != 0; }
};

std::span<const FormInfo> forms();
const FormInfo& formInfo(Form form);
