#include "core/app/startup.h"

#include "core/common/app_state.h"
#include "core/records/ledger_params.h"
#include "core/app/office_identity.h"
#include "core/common/data_files.h"
#include "core/common/file_io.h"
#include "core/common/io_error.h"
#include "core/common/polish_letters.h"
#include "core/common/real6.h"
#include "core/common/record_access.h"
#include "core/records/cleared_record.h"
#include "core/register/record_kind.h"

#include <optional>
#include <string>
#include <vector>

namespace {

// Opens an existing data file; nullopt when it cannot be opened, `missing`
// telling whether it does not exist (start-up acts on "not found" only).
std::optional<DataFile> openIfExists(const std::string& name, bool& missing)
{
    missing = false;
    try {
        return std::optional<DataFile>(std::in_place, name);
    } catch (const IoError& e) {
        missing = e.code() == IoError::FileNotFound;
        return std::nullopt;
    }
}

// The names of the missing files that a read-only directory or medium
// could not take in this start: the operator can still read and print.
using RefusedFiles = std::vector<std::string>;

enum class Creation { Created, ByAnotherCopy, Refused };

Creation createMissing(const std::string& name, const void* data, std::size_t size, RefusedFiles& refused)
{
    try {
        return createNewFile(name, data, size) ? Creation::Created : Creation::ByAnotherCopy;
    } catch (const IoError& e) {
        if (e.code() != IoError::AccessDenied)
            throw;
        refused.push_back(name);
        return Creation::Refused;
    }
}

void ensureEmptyFile(const std::string& name, RefusedFiles& refused)
{
    bool missing = false;
    if (!openIfExists(name, missing) && missing)
        createMissing(name, nullptr, 0, refused);
}

void readLedgerParams(RefusedFiles& refused)
{
    const std::string name = dataFileName("Bank.");
    bool missing = false;
    auto f = openIfExists(name, missing);
    auto& params = appState().ledgerParams;
    if (f) {
        f->readAt(0, params.data(), params.size());
        return;
    }
    if (!missing)
        return;
    params.fill(0);
    setU16(params, ledger_params::year, 2003);
    setU8(params, ledger_params::month, 1);
    if (createMissing(name, params.data(), params.size(), refused) == Creation::ByAnotherCopy)
        DataFile(name).readAt(0, params.data(), params.size());
}

// Writes the standard rates over a damaged rates record. The rates file
// belongs to the ledger: when it cannot be written (a read-only file), the
// rates stay repaired in memory and the failure is reported once per run.
void repairRates(DataFile& f, std::array<std::uint8_t, 36>& record, Messenger& messages)
{
    StartupNotices& notices = startupNotices();
    if (!notices.ratesUnrepaired)
        messages.inform("Niepoprawne stawki ryczałtu. Proszę zaktualizowac!");
    record.fill(0);
    const double repaired[3] = {3.0, 5.5, 8.5};
    for (std::uint32_t i = 0; i < 3; ++i)
        DoubleToReal6(repaired[i], record.data() + rates_record::rates.item(i).offset);
    try {
        f.writeAt(0, record.data(), record.size());
    } catch (const IoError& e) {
        if (!notices.ratesUnrepaired)
            messages.error(e.what());
        notices.ratesUnrepaired = true;
    }
}

void checkRates(Messenger& messages)
{
    const std::string name = dataFileName("strycz.");
    std::array<std::uint8_t, 36> record{};
    bool missing = false;
    auto f = openIfExists(name, missing);
    if (!f) {
        if (missing && !startupNotices().ratesMissing) {
            messages.inform("Brak zbioru ze stawkami ryczałtu. Proszę założyć!");
            startupNotices().ratesMissing = true;
        }
    } else if (f->size() > 0) {
        try {
            f->readAt(0, record.data(), record.size());
        } catch (const IoError&) {
            repairRates(*f, record, messages);
        }
    }
    for (std::uint32_t i = 0; i < 6; ++i)
        appState().rates[i] = Real6ToDouble(record.data() + rates_record::rates.item(i).offset);
}

void ensureRecordFile(const RecordKind& kind, RefusedFiles& refused)
{
    const std::string name = dataFileName(kind.baseName);
    bool missing = false;
    if (openIfExists(name, missing) || !missing)
        return;
    std::vector<std::uint8_t> blank(kind.recordSize * 4, 0);
    for (std::size_t r = 0; r < 4; ++r)
        ClearRecordBytes(Bytes(blank).subspan(r * kind.recordSize, kind.recordSize));
    createMissing(name, blank.data(), blank.size(), refused);
}

// Once per run, one box naming every file that could not be created.
void reportRefused(const RefusedFiles& refused, Messenger& messages)
{
    if (refused.empty() || startupNotices().filesNotCreated)
        return;
    std::string names;
    for (const std::string& name : refused)
        names += (names.empty() ? "" : ", ") + name;
    messages.error(IoError(IoError::AccessDenied, names).what());
    startupNotices().filesNotCreated = true;
}

} // namespace

StartupNotices& startupNotices()
{
    static StartupNotices notices;
    return notices;
}

void inic(Messenger& messages)
{
    RefusedFiles refused;
    ensureEmptyFile(dataFileName("ulgrycz."), refused);
    readLedgerParams(refused);
    checkRates(messages);
    SetLetterMode(getU8(appState().ledgerParams, ledger_params::letter_mode));
    appState().officeLines = LoadOfficeIdentity();
    for (const RecordKind& kind : kRecordKinds)
        ensureRecordFile(kind, refused);
    reportRefused(refused, messages);
}
