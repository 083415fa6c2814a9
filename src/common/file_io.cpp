#include "common/file_io.h"

#include "common/io_error.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

IoFaults g_faults;

[[noreturn]] void throwErrno(const std::string& path) { throw IoError::fromErrno(errno, path); }

// Takes n bytes from an injected budget; returns how many may proceed.
std::size_t allowance(std::optional<std::uint64_t>& budget, std::size_t n)
{
    if (!budget)
        return n;
    const std::size_t allowed = *budget < n ? static_cast<std::size_t>(*budget) : n;
    *budget -= allowed;
    return allowed;
}

} // namespace

IoFaults& ioFaults() { return g_faults; }
void resetIoFaults() { g_faults = IoFaults{}; }

DataFile::DataFile(const std::string& path, Mode mode) : path_(path)
{
    if (!g_faults.failOpenPath.empty() && g_faults.failOpenPath == path)
        throw IoError(g_faults.failOpenCode, path);
    const bool readOnly = mode == Mode::OpenExisting && g_faults.readOnlyPath == path;
    const int flags = mode == Mode::Create ? (O_RDWR | O_CREAT | O_TRUNC) : readOnly ? O_RDONLY : O_RDWR;
    fd_ = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    if (fd_ < 0 && mode == Mode::OpenExisting && (errno == EACCES || errno == EROFS))
        fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
        throwErrno(path_);
}

DataFile::~DataFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

std::uint64_t DataFile::size() const
{
    struct stat st {};
    if (::fstat(fd_, &st) != 0)
        throwErrno(path_);
    return static_cast<std::uint64_t>(st.st_size);
}

std::size_t DataFile::readSomeAt(std::uint64_t offset, void* data, std::size_t n) const
{
    const std::size_t allowed = allowance(g_faults.failReadAfterBytes, n);
    auto* out = static_cast<unsigned char*>(data);
    std::size_t done = 0;
    while (done < allowed) {
        const ssize_t got = ::pread(fd_, out + done, allowed - done, static_cast<off_t>(offset + done));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throwErrno(path_);
        }
        if (got == 0)
            return done;
        done += static_cast<std::size_t>(got);
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
    const std::uint64_t oldSize = size();
    try {
        writeAll(offset, data, n);
    } catch (const IoError&) {
        // A record only partly appended would leave the file no whole
        // number of records: cut it back to what it was.
        if (offset + n > oldSize)
            (void)::ftruncate(fd_, static_cast<off_t>(oldSize));
        throw;
    }
}

void DataFile::writeAll(std::uint64_t offset, const void* data, std::size_t n)
{
    const std::size_t allowed = allowance(g_faults.failWriteAfterBytes, n);
    const auto* in = static_cast<const unsigned char*>(data);
    std::size_t done = 0;
    while (done < allowed) {
        const ssize_t put = ::pwrite(fd_, in + done, allowed - done, static_cast<off_t>(offset + done));
        if (put < 0) {
            if (errno == EINTR)
                continue;
            throwErrno(path_);
        }
        done += static_cast<std::size_t>(put);
    }
    if (allowed < n)
        throw IoError(g_faults.failCode, path_);
}

bool fileExists(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

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

std::string linkTarget(const std::string& path)
{
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return path;
    std::string target(resolved);
    std::free(resolved);
    return target;
}

void writeTextFile(const std::string& path, const std::string& content)
{
    // Written beside the file and renamed over it, so a failed save leaves
    // the old contents whole. A link is followed, so that a shared target
    // stays the one file every copy of the program saves; a read-only file
    // is refused even where this process could replace it.
    const std::string target = linkTarget(path);
    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists && ((st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0))
        throw IoError(IoError::AccessDenied, path);
    const std::string temporary = target + ".tmp";
    try {
        DataFile f(temporary, DataFile::Mode::Create);
        f.writeAt(0, content.data(), content.size());
        if (exists && ::chmod(temporary.c_str(), st.st_mode & 07777) != 0)
            throwErrno(temporary);
    } catch (const IoError& e) {
        std::remove(temporary.c_str());
        throw IoError(e.code(), path); // the operator knows the file, not its temporary copy
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        const int err = errno;
        std::remove(temporary.c_str());
        throw IoError::fromErrno(err, path);
    }
}
