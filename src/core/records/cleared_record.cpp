#include "core/records/cleared_record.h"

#include "core/common/data_files.h"
#include "core/records/nip_record.h"
#include "core/records/vat_records.h"

#include <algorithm>

namespace {
constexpr bool sameField(const Field& a, const Field& b)
{
    return a.offset == b.offset && a.width == b.width && a.type == b.type;
}
static_assert(sameField(nip::account_no, vatr::account_no) && sameField(nip::account_no, vatz::account_no) &&
              sameField(nip::account_no, vat21::account_no) && sameField(nip::account_no, nipb::account_no));
} // namespace

void ClearRecordBytes(Bytes rec)
{
    std::fill(rec.begin(), rec.end(), std::uint8_t{0});
    setStr(rec, nip::account_no, kBlankAccount);
}
