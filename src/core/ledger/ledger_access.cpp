#include "core/ledger/ledger_access.h"

#include "core/common/account.h"
#include "core/common/cp1250.h"
#include "core/common/data_files.h"
#include "core/common/io_error.h"
#include "core/records/ledger_record.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <vector>

namespace {

constexpr std::string_view kOfficeFile = "urzedy.";
// About 1 MB per read: the whole scan costs a few dozen calls.
constexpr std::uint64_t kRecordsPerRead = 256;

struct LedgerBuffers {
    std::array<std::uint8_t, ledger::kRecordSize> current{};
    std::array<std::uint8_t, ledger::kRecordSize> partner{};
    // The scan's read block, kept between scans so that its pages are not
    // mapped and zeroed afresh on every listing.
    std::vector<std::uint8_t> block;
};

LedgerBuffers& buffers()
{
    static LedgerBuffers b;
    return b;
}

bool isFree(ConstBytes record) { return getStr(record, ledger::account_no) == kBlankAccount; }

} // namespace

Bytes currentTaxpayer() { return buffers().current; }
Bytes partnerRecord() { return buffers().partner; }

LedgerFile::LedgerFile()
{
    file_.emplace(dataFileName(ledger::kTaxpayerFile));
    count_ = file_->size() / ledger::kRecordSize;
}

LedgerFile OpenLedger() { return LedgerFile(); }

void CloseLedger(LedgerFile& file)
{
    file.file_.reset();
    file.count_ = 0;
}

void LedgerFile::readRecords(std::uint64_t first, std::uint64_t count, Bytes into) const
{
    assert(file_ && into.size() >= count * ledger::kRecordSize);
    if (first + count > count_)
        throw IoError(IoError::ReadBeyondEnd, dataFileName(ledger::kTaxpayerFile));
    file_->readAt(first * ledger::kRecordSize, into.data(), count * ledger::kRecordSize);
}

void LedgerFile::readRecord(std::uint64_t n, Bytes into) const { readRecords(n, 1, into); }

void ScanLedger(const LedgerVisitor& visit)
{
    const LedgerFile file = OpenLedger();
    const std::uint64_t count = file.recordCount();
    std::vector<std::uint8_t>& block = buffers().block;
    block.resize(kRecordsPerRead * ledger::kRecordSize);
    Bytes current = currentTaxpayer();
    for (std::uint64_t first = 1; first < count; first += kRecordsPerRead) {
        const std::uint64_t inBlock = std::min(kRecordsPerRead, count - first);
        file.readRecords(first, inBlock, block);
        for (std::uint64_t k = 0; k < inBlock; ++k) {
            const ConstBytes record = ConstBytes(block).subspan(k * ledger::kRecordSize, ledger::kRecordSize);
            if (!isFree(record))
                visit(first + k, record);
        }
        // Copying each record into the buffer would cost as much again as
        // reading the file; the buffer takes the last record read instead.
        std::copy_n(block.begin() + (inBlock - 1) * ledger::kRecordSize, ledger::kRecordSize, current.begin());
    }
}

bool LookupLedgerAccount(std::string_view account, Messenger& messages)
{
    const LedgerFile file = OpenLedger();
    const std::string shown = cp1250::toUtf8(account);
    const int n = AccountToInt(account);
    if (n == -1) {
        messages.inform("'" + shown + "' to niepoprawny symbol konta");
        return false;
    }
    if (static_cast<std::uint64_t>(n) >= file.recordCount()) {
        messages.inform("Za duży nr konta!");
        return false;
    }
    std::array<std::uint8_t, ledger::kRecordSize> record;
    file.readRecord(static_cast<std::uint64_t>(n), record);
    if (isFree(record)) {
        messages.inform("Brak w zbiorze konta " + shown);
        return false;
    }
    std::ranges::copy(record, currentTaxpayer().begin());
    return true;
}

bool CheckLedgerAccount(std::string_view account, std::uint64_t ledgerRecords, Messenger& messages)
{
    const std::string shown = cp1250::toUtf8(account);
    const int n = AccountToInt(account);
    if (n == -1) {
        messages.inform("'" + shown + "' to niepoprawny symbol konta");
        return false;
    }
    if (static_cast<std::uint64_t>(n) >= ledgerRecords) {
        messages.inform("Konto " + shown + " jest poza zbiorem podatników. Zgłoszenie nie zostanie zapisane.");
        return false;
    }
    return true;
}

bool CheckLedgerAccount(std::string_view account, Messenger& messages)
{
    return CheckLedgerAccount(account, OpenLedger().recordCount(), messages);
}

std::string TaxOfficeName(int n)
{
    std::optional<DataFile> file;
    try {
        file.emplace(dataFileName(kOfficeFile));
    } catch (const IoError&) {
        return {};
    }
    const std::uint64_t count = file->size() / tax_office::kRecordSize;
    if (n < 1 || static_cast<std::uint64_t>(n) >= count)
        return {};
    std::array<std::uint8_t, tax_office::kRecordSize> record;
    file->readAt(static_cast<std::uint64_t>(n) * tax_office::kRecordSize, record.data(), record.size());
    return getStr(record, tax_office::name);
}
