// A record file of the register as found. The first byte chooses the kind
// and the NIP form type; the rest is the file. Its rows are listed and then
// sorted by every column, as the search list does.
#include "core/common/data_files.h"
#include "core/common/grid_sort.h"
#include "core/common/io_error.h"
#include "core/common/list_progress.h"
#include "core/register/record_kind.h"
#include "core/register/record_list.h"
#include "input_directory.h"

#include <iterator>

namespace {

class NoProgress : public ListProgress {
public:
    void start(std::uint64_t, std::uint64_t) override {}
    void moveTo(std::uint64_t) override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int kind = data[0] % static_cast<int>(std::size(kRecordKinds));
    const auto formType = static_cast<std::uint8_t>(1 + (data[0] / std::size(kRecordKinds)) % 3);
    const InputDirectory dir;
    dir.write(dataFileName(kindAt(kind).baseName), data + 1, size - 1);
    RowTable table;
    NoProgress progress;
    try {
        LoadRecordList(table, kind, formType, progress);
    } catch (const IoError&) {
    }
    for (int column = 0; column < table.columnCount(); ++column) {
        SortGridByColumn(table, column, true);
        SortGridByColumn(table, column, false);
    }
    return 0;
}
