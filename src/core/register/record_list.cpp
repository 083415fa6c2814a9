#include "core/register/record_list.h"

#include "core/common/data_files.h"
#include "core/common/text_routines.h"
#include "core/records/nip_record.h"
#include "core/records/vat_records.h"
#include "core/register/record_kind.h"
#include "core/register/register_ops.h"

namespace {

std::string joined(ConstBytes record, const Field& first, const Field& second)
{
    return getStr(record, first) + " " + getStr(record, second);
}

std::string nipFormName(ConstBytes record, std::uint8_t formType)
{
    if (formType == 3)
        return joined(record, nip::surname, nip::first_name);
    std::string full = getStr(record, nip::full_name);
    if (full.empty() && formType == 1)
        return joined(record, nip::surname, nip::first_name);
    return full;
}

} // namespace

std::vector<std::string> RecordListHeader() { return {"Konto", "Nazwa", "NIP"}; }

std::optional<std::vector<std::string>> RecordListRow(int kind, std::uint8_t formType, ConstBytes record)
{
    std::string account = getStr(record, nip::account_no);
    if (account == kBlankAccount)
        return std::nullopt;
    std::string name;
    std::string nipText;
    switch (kindAt(kind).index) {
    case KindRejfor:
        if (getU8(record, nip::form_type) != formType)
            return std::nullopt;
        name = nipFormName(record, formType);
        nipText = NipText(getStr(record, nip::nip), formType);
        break;
    case KindVatr:
        name = getStr(record, vatr::name);
        nipText = NipTextWithPrefix(getStr(record, vatr::nip), 1);
        break;
    case KindVatz:
        name = getStr(record, vatz::name);
        nipText = NipTextWithPrefix(getStr(record, vatz::nip), 1);
        break;
    case KindVat21:
        name = getStr(record, vat21::name);
        nipText = NipTextWithPrefix(getStr(record, vat21::nip), 1);
        break;
    default:
        name = joined(record, nipb::name, nipb::first_name);
        nipText = getStr(record, nipb::nip);
        break;
    }
    // Moved in, not copied from an initializer list: a list has thousands of rows.
    std::vector<std::string> row;
    row.reserve(3);
    row.push_back(std::move(account));
    row.push_back(std::move(name));
    row.push_back(std::move(nipText));
    return row;
}

void LoadRecordList(RowTable& table, int kind, std::uint8_t formType, ListProgress& progress)
{
    table.rows.assign(1, RecordListHeader());
    table.selectedRow = -1;
    const std::uint64_t count = recordCount(kind);
    const std::uint64_t step = count / 10;
    table.rows.reserve(count);
    progress.start(count, 0);
    ScanRecords(kind, [&](std::uint64_t n, ConstBytes record) {
        if (step != 0 && n % step == 0)
            progress.moveTo(n);
        if (auto row = RecordListRow(kind, formType, record))
            table.rows.push_back(std::move(*row));
    });
}
