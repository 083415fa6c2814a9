#pragma once
#include "core/common/file_io.h"
#include "core/common/messages.h"
#include "core/common/record_access.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Read-only access to the ledger system's taxpayer file "konta200.Rdx" and
// tax-office file "urzedy.Rdx". Texts are the ledger's own bytes; messages
// go to the Messenger in UTF-8. A taxpayer file that cannot be opened or
// read throws IoError.

// The ledger record of the taxpayer last listed or looked up, read by the
// pre-fill; and the second record, used only to walk a partnership's chain.
Bytes currentTaxpayer();
Bytes partnerRecord();

// The taxpayer file, open for one operation. Only whole records count: a
// record cut short at the end of the file is no taxpayer.
class LedgerFile {
public:
    std::uint64_t recordCount() const { return count_; }
    // Reads `count` records starting at record `first` into `into`, in one call.
    void readRecords(std::uint64_t first, std::uint64_t count, Bytes into) const;
    // Reads record n; a record at or past the end is "Read beyond end of file".
    void readRecord(std::uint64_t n, Bytes into) const;

private:
    friend LedgerFile OpenLedger();
    friend void CloseLedger(LedgerFile& file);
    LedgerFile();

    std::optional<DataFile> file_;
    std::uint64_t count_ = 0;
};

// Opens the taxpayer file and takes its number of records. CloseLedger
// closes it; so does the end of the object's life.
[[nodiscard]] LedgerFile OpenLedger();
void CloseLedger(LedgerFile& file);

// Called with the record index and the record, a view valid only during
// the call.
using LedgerVisitor = std::function<void(std::uint64_t index, ConstBytes record)>;

// Reads every record after record 0 in file order, in large blocks, and
// calls the visitor for each that is not free. Afterwards the current-
// taxpayer buffer holds the last record read.
void ScanLedger(const LedgerVisitor& visit);

// Finds the taxpayer of an account text (code page 1250). On success the
// current-taxpayer buffer holds the record; otherwise the operator is told
// why and the buffer keeps what it held.
bool LookupLedgerAccount(std::string_view account, Messenger& messages);

// Guards the save of a record filled from ledger data. The account text of
// a ledger record is foreign input, and a record file grows to the account's
// number when saved, so only a positive account below the ledger's own
// number of records (where the ledger keeps its taxpayers) is accepted;
// otherwise the operator is told that the form will not be saved.
bool CheckLedgerAccount(std::string_view account, Messenger& messages);
// The same against a ledger of `ledgerRecords` records already open.
bool CheckLedgerAccount(std::string_view account, std::uint64_t ledgerRecords, Messenger& messages);

// The name of tax office n (code page of the ledger), or empty when the
// office file is missing or has no office n.
std::string TaxOfficeName(int n);
