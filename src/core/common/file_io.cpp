#include "core/common/file_io.h"

#include "core/common/file_io_native.h"
#include "core/common/io_error.h"

#include <random>

namespace {

IoFaults g_faults;

void throwInjectedOpenFault(const std::string& path)
{
    if (!g_faults.failOpenPath.empty() && g_faults.failOpenPath == path)
        throw IoError(g_faults.failOpenCode, path);
}

// Takes n bytes from an injected budget; returns how many may proceed.
std::size_t allowance(std::optional<std::uint64_t>& budget, std::size_t n)
{
    if (!budget)
        return n;
    const std::size_t allowed = *budget < n ? static_cast<std::size_t>(*budget) : n;
    *budget -= allowed;
    return allowed;
}

// A byte-range lock held while one read or write runs, so that two copies
// of the program on one directory never see half of each other's record.
class RangeLock {
public:
    RangeLock(native::Handle file, std::uint64_t offset, std::uint64_t length, bool exclusive)
        : file_(file), offset_(offset), length_(length), locked_(length > 0 && native::lock(file, offset, length, exclusive))
    {
    }
    ~RangeLock()
    {
        if (locked_)
            native::unlock(file_, offset_, length_);
    }
    RangeLock(const RangeLock&) = delete;
    RangeLock& operator=(const RangeLock&) = delete;

private:
    native::Handle file_;
    std::uint64_t offset_;
    std::uint64_t length_;
    bool locked_;
};

// A temporary copy is written under the target's name plus a suffix: a
// failure names the target, which the operator knows, and takes the copy away.
template <class Write>
void writeTemporary(const std::string& temporary, const std::string& path, Write&& write)
{
    try {
        DataFile f(temporary, DataFile::Mode::Create);
        write(f);
    } catch (const IoError& e) {
        native::remove(temporary);
        throw IoError(e.code(), path);
    }
}

} // namespace

IoFaults& ioFaults() { return g_faults; }
void resetIoFaults() { g_faults = IoFaults{}; }

DataFile::DataFile(const std::string& path, Mode mode) : path_(path)
{
    throwInjectedOpenFault(path);
    if (mode == Mode::Create && g_faults.readOnlyMedium)
        throw IoError(IoError::AccessDenied, path);
    const bool readOnly = mode == Mode::OpenExisting && (g_faults.readOnlyPath == path || g_faults.readOnlyMedium);
    handle_ = native::open(path, mode == Mode::Create ? native::Access::Create
                                 : readOnly           ? native::Access::ReadOnly
                                                      : native::Access::ReadWrite);
}

DataFile::~DataFile() { native::close(handle_); }

std::uint64_t DataFile::size() const { return native::size(handle_, path_); }

std::size_t DataFile::readSomeAt(std::uint64_t offset, void* data, std::size_t n) const
{
    const RangeLock lock(handle_, offset, n, false);
    const std::size_t allowed = allowance(g_faults.failReadAfterBytes, n);
    auto* out = static_cast<unsigned char*>(data);
    std::size_t done = 0;
    while (done < allowed) {
        const std::size_t got = native::read(handle_, offset + done, out + done, allowed - done, path_);
        if (got == 0)
            return done;
        done += got;
    }
    if (allowed < n)
        throw IoError(g_faults.failCode, path_);
    return done;
}

void DataFile::readAt(std::uint64_t offset, void* data, std::size_t n) const
{
    if (readSomeAt(offset, data, n) != n)
        throw IoError(IoError::ReadBeyondEnd, path_);
}

void DataFile::writeAt(std::uint64_t offset, const void* data, std::size_t n)
{
    const RangeLock lock(handle_, offset, n, true);
    const std::uint64_t oldSize = size();
    try {
        writeAll(offset, data, n);
    } catch (const IoError&) {
        // A record only partly appended would leave the file no whole
        // number of records: cut it back to what it was.
        if (offset + n > oldSize)
            native::truncate(handle_, oldSize);
        throw;
    }
}

void DataFile::writeAll(std::uint64_t offset, const void* data, std::size_t n)
{
    const std::size_t allowed = allowance(g_faults.failWriteAfterBytes, n);
    const auto* in = static_cast<const unsigned char*>(data);
    for (std::size_t done = 0; done < allowed;)
        done += native::write(handle_, offset + done, in + done, allowed - done, path_);
    if (allowed < n)
        throw IoError(g_faults.failCode, path_);
}

void DataFile::sync() { native::sync(handle_, path_); }

std::optional<std::string> readTextFile(const std::string& path)
{
    try {
        DataFile f(path);
        std::string s(static_cast<std::size_t>(f.size()), '\0');
        s.resize(f.readSomeAt(0, s.data(), s.size()));
        return s;
    } catch (const IoError&) {
        return std::nullopt;
    }
}

bool createNewFile(const std::string& path, const void* data, std::size_t size)
{
    throwInjectedOpenFault(path);
    const std::string target = native::finalTarget(path);
    const std::string temporary = target + "." + std::to_string(native::processId()) + ".new";
    writeTemporary(temporary, path, [&](DataFile& f) { f.writeAt(0, data, size); });
    return native::placeNew(temporary, target, path, data, size);
}

void writeTextFile(const std::string& path, const std::string& content)
{
    // Written beside the file and put in its place, so a failed save leaves
    // the old contents whole. A link is followed, so that a shared target
    // stays the one file every copy of the program saves; a read-only file
    // is refused even where this process could replace it.
    const std::string target = linkTarget(path);
    if (isReadOnlyFile(target))
        throw IoError(IoError::AccessDenied, path);
    const bool exists = fileExists(target);
    const std::string temporary = target + ".tmp";
    writeTemporary(temporary, path, [&](DataFile& f) {
        f.writeAt(0, content.data(), content.size());
        if (exists)
            copyFileMode(target, temporary);
    });
    native::replace(temporary, target, path);
}

std::string createUniqueFile(const std::string& directory, std::string_view prefix, std::string_view suffix)
{
    static constexpr std::string_view kCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, kCharacters.size() - 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = directory + "/" + std::string(prefix);
        for (int i = 0; i < 6; ++i)
            name += kCharacters[pick(random)];
        name += suffix;
        if (native::createEmpty(name, directory))
            return name;
    }
    throw IoError(IoError::DeviceFailure, directory);
}
