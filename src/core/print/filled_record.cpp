#include "core/print/filled_record.h"

#include "core/records/cleared_record.h"
#include "core/records/nip_record.h"
#include "core/records/vat_records.h"
#include "core/register/record_kind.h"

#include <span>
#include <string>

namespace {

// The parts of the record a form fills in: the NIP forms share one record
// whose variant part differs.
std::span<const Layout* const> layoutsOf(FormKind kind)
{
    static constexpr const Layout* nip1Parts[] = {&nip::common_layout, &nip::personal_layout, &nip::nip1_layout};
    static constexpr const Layout* nip2Parts[] = {&nip::common_layout, &nip::nip2_layout};
    static constexpr const Layout* nip3Parts[] = {&nip::common_layout, &nip::personal_layout, &nip::nip3_layout};
    static constexpr const Layout* nipBParts[] = {&nipb::layout};
    static constexpr const Layout* vatRParts[] = {&vatr::layout};
    static constexpr const Layout* vatZParts[] = {&vatz::layout};
    static constexpr const Layout* vat21Parts[] = {&vat21::layout};
    switch (kind) {
    case FormKind::Nip1: return nip1Parts;
    case FormKind::Nip2: return nip2Parts;
    case FormKind::Nip3: return nip3Parts;
    case FormKind::NipB: return nipBParts;
    case FormKind::VatR: return vatRParts;
    case FormKind::VatZ: return vatZParts;
    case FormKind::Vat21: return vat21Parts;
    }
    return {};
}

void fill(Bytes record, const Field& field, std::uint8_t choice)
{
    for (std::uint32_t k = 0; k < field.count; ++k) {
        const Field item = field.item(k);
        switch (item.type) {
        case FieldType::Str: setStr(record, item, "8" + std::string(item.capacity() - 1, 'W')); break;
        case FieldType::Date: setDate(record, item, {2004, 12, 28}); break;
        case FieldType::U8: setU8(record, item, choice); break;
        case FieldType::I32: setI32(record, item, 2004); break;
        case FieldType::Group:
            for (const Field& member : item.group->fields)
                fill(record, item / member, choice);
            break;
        default: break;
        }
    }
}

} // namespace

std::vector<std::uint8_t> filledRecord(FormKind kind, std::uint8_t choice)
{
    std::vector<std::uint8_t> record(kindAt(printForm(kind).recordKind).recordSize);
    ClearRecordBytes(record);
    for (const Layout* layout : layoutsOf(kind))
        for (const Field& field : layout->fields)
            fill(record, field, choice);
    return record;
}
