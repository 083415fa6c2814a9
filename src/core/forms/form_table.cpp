#include "core/forms/form_table.h"

#include "core/ledger/prefill.h"
#include "core/records/nip_record.h"
#include "core/records/vat_records.h"

namespace {

constexpr std::uint8_t kFromLedgerAndUpdate = 1 << 0 | 1 << 2;
constexpr std::uint8_t kUpdateOnly = 1 << 2;

bool prefillNip1(Messenger& messages) { return PrefillNip(1, messages); }
bool prefillNip2(Messenger& messages) { return PrefillNip(2, messages); }

constexpr const Layout* kNip1Layouts[] = {&nip::common_layout, &nip::personal_layout, &nip::nip1_layout};
constexpr const Layout* kNip2Layouts[] = {&nip::common_layout, &nip::nip2_layout};
constexpr const Layout* kNip3Layouts[] = {&nip::common_layout, &nip::personal_layout, &nip::nip3_layout};
constexpr const Layout* kNipBLayouts[] = {&nipb::layout};
constexpr const Layout* kVatRLayouts[] = {&vatr::layout};
constexpr const Layout* kVatZLayouts[] = {&vatz::layout};
constexpr const Layout* kVat21Layouts[] = {&vat21::layout};

constexpr FormInfo kForms[] = {
    {Form::Nip1, "NIP-1", KindRejfor, 1, FormKind::Nip1, prefillNip1, kFromLedgerAndUpdate, kNip1Layouts},
    {Form::Nip2, "NIP-2", KindRejfor, 2, FormKind::Nip2, prefillNip2, kFromLedgerAndUpdate, kNip2Layouts},
    {Form::Nip3, "NIP-3", KindRejfor, 3, FormKind::Nip3, nullptr, kFromLedgerAndUpdate, kNip3Layouts},
    {Form::NipB, "NIP-B", KindNipb, 0, FormKind::NipB, PrefillNipB, kFromLedgerAndUpdate, kNipBLayouts},
    {Form::VatR, "VAT-R", KindVatr, 0, FormKind::VatR, PrefillVatR, kFromLedgerAndUpdate, kVatRLayouts},
    {Form::VatZ, "VAT-Z", KindVatz, 0, FormKind::VatZ, nullptr, kUpdateOnly, kVatZLayouts},
    {Form::Vat21, "VAT-21", KindVat21, 0, FormKind::Vat21, nullptr, kUpdateOnly, kVat21Layouts},
};

// Each form's layouts end where its record does.
constexpr bool layoutsFitRecords()
{
    for (const FormInfo& f : kForms)
        if (f.layouts.back()->end != kRecordKinds[f.recordKind].recordSize)
            return false;
    return true;
}
static_assert(layoutsFitRecords());

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
