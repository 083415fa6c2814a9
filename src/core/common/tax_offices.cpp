#include "core/common/tax_offices.h"

#include "core/common/field_layout.h"
#include "core/common/file_io.h"
#include "core/common/io_error.h"
#include "core/common/record_access.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::uint32_t kOfficeRecordSize = 286;
constexpr Field kOfficeName{"office_name", 0, 61, FieldType::Str};
// Records read per call: the whole file of a few hundred offices at once.
constexpr std::uint64_t kRecordsPerRead = 1024;

} // namespace

std::vector<std::string> FillTaxOffices(const std::string& path)
{
    std::vector<std::string> names;
    try {
        const DataFile file(path);
        const std::uint64_t recordCount = file.size() / kOfficeRecordSize;
        std::vector<std::uint8_t> chunk;
        for (std::uint64_t first = 1; first < recordCount; first += kRecordsPerRead) {
            const std::uint64_t count = std::min(kRecordsPerRead, recordCount - first);
            chunk.resize(count * kOfficeRecordSize);
            file.readAt(first * kOfficeRecordSize, chunk.data(), chunk.size());
            const ConstBytes records(chunk);
            for (std::uint64_t k = 0; k < count; ++k)
                names.push_back(getStr(records.subspan(k * kOfficeRecordSize, kOfficeRecordSize), kOfficeName));
        }
    } catch (const IoError&) {
        names.clear();
    }
    return names;
}
