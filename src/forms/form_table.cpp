#include "forms/form_table.h"

#include "ledger/prefill.h"

namespace {

constexpr std::uint8_t kFromLedgerAndUpdate = 1 << 0 | 1 << 2;
constexpr std::uint8_t kUpdateOnly = 1 << 2;

bool prefillNip1(Messenger& messages) { return PrefillNip(1, messages); }
bool prefillNip2(Messenger& messages) { return PrefillNip(2, messages); }

constexpr FormInfo kForms[] = {
    {Form::Nip1, "NIP-1", KindRejfor, 1, FormKind::Nip1, prefillNip1, kFromLedgerAndUpdate},
    {Form::Nip2, "NIP-2", KindRejfor, 2, FormKind::Nip2, prefillNip2, kFromLedgerAndUpdate},
    {Form::Nip3, "NIP-3", KindRejfor, 3, FormKind::Nip3, nullptr, kFromLedgerAndUpdate},
    {Form::NipB, "NIP-B", KindNipb, 0, FormKind::NipB, PrefillNipB, kFromLedgerAndUpdate},
    {Form::VatR, "VAT-R", KindVatr, 0, FormKind::VatR, PrefillVatR, kFromLedgerAndUpdate},
    {Form::VatZ, "VAT-Z", KindVatz, 0, FormKind::VatZ, nullptr, kUpdateOnly},
    {Form::Vat21, "VAT-21", KindVat21, 0, FormKind::Vat21, nullptr, kUpdateOnly},
};

// The table is indexed by its own enumeration.
constexpr bool inEnumOrder()
{
    for (std::size_t i = 0; i < std::size(kForms); ++i)
        if (static_cast<std::size_t>(kForms[i].form) != i)
            return false;
    return true;
}
static_assert(inEnumOrder());

} // namespace

std::span<const FormInfo> forms() { return kForms; }

const FormInfo& formInfo(Form form) { return kForms[static_cast<std::size_t>(form)]; }
