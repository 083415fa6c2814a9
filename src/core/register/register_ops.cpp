#include "core/register/register_ops.h"

#include "core/common/account.h"
#include "core/common/cp1250.h"
#include "core/common/data_files.h"
#include "core/common/file_io.h"
#include "core/common/io_error.h"
#include "core/common/record_access.h"
#include "core/records/cleared_record.h"
#include "core/records/ledger_record.h"
#include "core/records/nip_record.h"
#include "core/register/register_state.h"

#include <algorithm>
#include <vector>

namespace {

std::string fileOf(const RecordKind& k) { return dataFileName(k.baseName); }

std::uint64_t countIn(const DataFile& f, const RecordKind& k) { return f.size() / k.recordSize; }

void readRecord(const DataFile& f, const RecordKind& k, std::uint64_t n, Bytes into)
{
    f.readAt(n * k.recordSize, into.data(), k.recordSize);
}

bool isBlankAccount(ConstBytes rec) { return getStr(rec, nip::account_no) == kBlankAccount; }

// A record that writing beyond the end of the file left behind: never saved,
// so free for a new form.
bool isGapRecord(ConstBytes rec)
{
    return std::ranges::all_of(rec, [](std::uint8_t b) { return b == 0; });
}

// The number of records of the ledger's taxpayer file, nothing without one.
std::optional<std::uint64_t> ledgerRecordCount()
{
    try {
        const DataFile f(dataFileName(ledger::kTaxpayerFile));
        return f.size() / ledger::kRecordSize;
    } catch (const IoError&) {
        return std::nullopt;
    }
}

// A number beyond the end of the record file may still be claimed for a
// taxpayer the ledger keeps: saving the record grows the file to it.
bool withinLedger(std::uint64_t n)
{
    const std::optional<std::uint64_t> taxpayers = ledgerRecordCount();
    return taxpayers && n < *taxpayers;
}

std::string trimmed(std::string_view s)
{
    const auto b = s.find_first_not_of(' ');
    if (b == std::string_view::npos)
        return {};
    const auto e = s.find_last_not_of(' ');
    return std::string(s.substr(b, e - b + 1));
}

// The integer value of a typed text, as the run time's conversion gives it.
std::optional<long long> integerValue(std::string_view s)
{
    if (s.empty())
        return std::nullopt;
    std::size_t i = 0;
    bool negative = false;
    if (s[0] == '+' || s[0] == '-') {
        negative = s[0] == '-';
        ++i;
    }
    if (i == s.size())
        return std::nullopt;
    long long v = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9')
            return std::nullopt;
        v = v * 10 + (s[i] - '0');
        if (v > 0x7fffffffLL + 1)
            return std::nullopt;
    }
    v = negative ? -v : v;
    if (v > 0x7fffffffLL || v < -0x80000000LL)
        return std::nullopt;
    return v;
}

} // namespace

std::uint64_t recordCount(int kind)
{
    const RecordKind& k = kindAt(kind);
    DataFile f(fileOf(k));
    return countIn(f, k);
}

void ClearRecord(int kind) { ClearRecordBytes(recordBuffer(kind)); }

void LoadForAccount(int kind, std::string_view account, std::uint8_t formType)
{
    const RecordKind& k = kindAt(kind);
    Bytes buf = recordBuffer(kind);
    DataFile f(fileOf(k));
    const int n = AccountToInt(account);
    if (n > 0 && static_cast<std::uint64_t>(n) < countIn(f, k)) {
        readRecord(f, k, static_cast<std::uint64_t>(n), buf);
        const bool sameAccount = getStr(buf, nip::account_no) == account;
        const bool sameForm = k.index != KindRejfor || getU8(buf, nip::form_type) == formType;
        if (sameAccount && sameForm)
            return;
    }
    ClearRecord(kind);
}

bool WriteRecord(int kind)
{
    const RecordKind& k = kindAt(kind);
    ConstBytes buf = recordBuffer(kind);
    const int n = AccountToInt(getStr(buf, nip::account_no));
    if (n <= 0)
        return false;
    DataFile f(fileOf(k));
    f.writeAt(static_cast<std::uint64_t>(n) * k.recordSize, buf.data(), buf.size());
    return true;
}

std::optional<int> FirstFreeAccount(int kind, Messenger& messages)
{
    const RecordKind& k = kindAt(kind);
    std::optional<DataFile> f;
    try {
        f.emplace(fileOf(k));
    } catch (const IoError&) {
        messages.inform("Brak zbioru z danymi " + std::string(k.lowerName) + "." + std::string(kDataExtension));
        return std::nullopt;
    }
    try {
        Bytes buf = recordBuffer(kind);
        const std::uint64_t count = countIn(*f, k);
        if (count == 0)
            throw IoError(IoError::ReadBeyondEnd);
        readRecord(*f, k, 0, buf);
        for (std::uint64_t n = 1; n < count; ++n) {
            readRecord(*f, k, n, buf);
            if (isBlankAccount(buf))
                return static_cast<int>(n);
        }
        return std::nullopt;
    } catch (const IoError& e) {
        messages.inform("Błąd we/wy nr " + std::to_string(e.code()) + " zbioru " + std::string(k.lowerName) + "." +
                        std::string(kDataExtension));
        return std::nullopt;
    }
}

bool CheckNewAccount(int kind, std::string_view typed, Messenger& messages)
{
    const RecordKind& k = kindAt(kind);
    const std::string text = trimmed(typed);
    const std::optional<long long> n = integerValue(text);
    if (!n) {
        // Appended piece by piece: "'" + std::string&& trips a false -Wrestrict in GCC 12 (Release).
        std::string message = "'";
        message += cp1250::toUtf8(text);
        message += "' to niepoprawny symbol konta";
        messages.inform(message);
        return false;
    }
    std::optional<DataFile> f;
    try {
        f.emplace(fileOf(k));
    } catch (const IoError&) {
        messages.inform("Brak zbioru z danymi " + std::string(k.name) + "." + std::string(kDataExtension));
        return false;
    }
    try {
        if (*n < 1) {
            messages.inform("Nr konta musi być liczbą dodatnią");
            return false;
        }
        const auto number = static_cast<std::uint64_t>(*n);
        const bool inFile = number < countIn(*f, k);
        if (!inFile && !withinLedger(number)) {
            messages.inform("Za duży nr konta");
            return false;
        }
        Bytes buf = recordBuffer(kind);
        if (inFile)
            readRecord(*f, k, number, buf);
        if (!inFile || isGapRecord(buf))
            ClearRecord(kind);
        if (!isBlankAccount(buf)) {
            messages.inform("Konto jest już w zbiorze");
            return false;
        }
        const std::string account = AccountText(static_cast<int>(*n));
        setCurrentAccount(account, static_cast<int>(*n));
        setStr(buf, nip::account_no, account);
        return true;
    } catch (const IoError& e) {
        messages.inform("Błąd we/wy nr " + std::to_string(e.code()) + " zbioru " + std::string(k.name) + ".RDX");
        return false;
    }
}

bool CheckStoredAccount(int kind, Messenger& messages)
{
    const RecordKind& k = kindAt(kind);
    DataFile f(fileOf(k));
    const std::uint64_t count = countIn(f, k);
    RegisterState& state = registerState();
    const int n = AccountToInt(state.currentAccount);
    state.currentAccountNo = n;
    const std::string shown = cp1250::toUtf8(state.currentAccount);
    if (n == -1) {
        messages.inform("'" + shown + "' to niepoprawny symbol konta");
        return false;
    }
    if (static_cast<std::uint64_t>(n) >= count) {
        messages.inform("Za duży nr konta!");
        return false;
    }
    Bytes buf = recordBuffer(kind);
    readRecord(f, k, static_cast<std::uint64_t>(n), buf);
    if (isBlankAccount(buf)) {
        messages.inform("Brak w zbiorze konta " + shown);
        return false;
    }
    return true;
}

void ScanRecords(int kind, const std::function<void(std::uint64_t index, ConstBytes record)>& visit)
{
    const RecordKind& k = kindAt(kind);
    DataFile f(fileOf(k));
    const std::uint64_t count = countIn(f, k);
    constexpr std::uint64_t kBlockBytes = 1 << 20;
    const std::uint64_t perBlock = std::max<std::uint64_t>(1, kBlockBytes / k.recordSize);
    static thread_local std::vector<std::uint8_t> block;
    block.resize(perBlock * k.recordSize);
    for (std::uint64_t first = 1; first < count; first += perBlock) {
        const std::uint64_t n = std::min(perBlock, count - first);
        f.readAt(first * k.recordSize, block.data(), n * k.recordSize);
        for (std::uint64_t i = 0; i < n; ++i)
            visit(first + i, ConstBytes(block).subspan(i * k.recordSize, k.recordSize));
    }
}
