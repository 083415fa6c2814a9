// The ledger's tax-office file as found: the whole list, and single offices
// by number as the forms look them up.
#include "core/common/data_files.h"
#include "core/common/tax_offices.h"
#include "core/ledger/ledger_access.h"
#include "input_directory.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const InputDirectory dir;
    dir.write(dataFileName("urzedy."), data, size);
    const int offices = static_cast<int>(FillTaxOffices().size());
    for (int n : {-1, 0, 1, offices, offices + 1})
        TaxOfficeName(n);
    return 0;
}
