// The ledger's taxpayer file as found: every taxpayer is looked up by its
// account text and each form is pre-filled from it, partner chains included.
#include "core/common/data_files.h"
#include "core/common/io_error.h"
#include "core/common/messages.h"
#include "core/common/record_access.h"
#include "core/ledger/ledger_access.h"
#include "core/ledger/prefill.h"
#include "core/records/ledger_record.h"
#include "input_directory.h"

#include <string>
#include <vector>

namespace {

// Enough taxpayers to reach partners and lookups across the file, few
// enough that one input stays quick.
constexpr std::size_t kTaxpayersFilled = 8;

void prefillAll(Messenger& messages)
{
    PrefillNip(1, messages);
    PrefillNip(2, messages);
    PrefillVatR(messages);
    PrefillNipB(messages);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const InputDirectory dir;
    dir.write(dataFileName("konta200."), data, size);
    CollectingMessenger messages;
    std::vector<std::string> accounts;
    try {
        ScanLedger([&](std::uint64_t, ConstBytes record) {
            if (accounts.size() < kTaxpayersFilled)
                accounts.push_back(getStr(record, ledger::account_no));
        });
    } catch (const IoError&) {
        return 0;
    }
    for (const std::string& account : accounts) {
        try {
            CheckLedgerAccount(account, messages);
            if (LookupLedgerAccount(account, messages))
                prefillAll(messages);
        } catch (const IoError&) {
        }
    }
    return 0;
}
