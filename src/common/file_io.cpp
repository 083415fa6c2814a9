#include "common/file_io.h"

#include "common/io_error.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

IoFaults g_faults;

[[noreturn]] void throwErrno() { throw IoError::fromErrno(errno); }

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
        throw IoError(g_faults.failOpenCode);
    const bool readOnly = mode == Mode::OpenExisting && g_faults.readOnlyPath == path;
    const int flags = mode == Mode::Create ? (O_RDWR | O_CREAT | O_TRUNC) : readOnly ? O_RDONLY : O_RDWR;
    fd_ = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    if (fd_ < 0 && mode == Mode::OpenExisting && (errno == EACCES || errno == EROFS))
        fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
        throwErrno();
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
        throwErrno();
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
            throwErrno();
        }
        if (got == 0)
            return done;
        done += static_cast<std::size_t>(got);
    }
    if (allowed < n)
        throw IoError(g_faults.failCode);
    return done;
}

void DataFile::readAt(std::uint64_t offset, void* data, std::size_t n) const
{
    if (readSomeAt(offset, data, n) != n)
        throw IoError(IoError::ReadBeyondEnd);
}

void DataFile::writeAt(std::uint64_t offset, const void* data, std::size_t n)
{
    const std::size_t allowed = allowance(g_faults.failWriteAfterBytes, n);
    const auto* in = static_cast<const unsigned char*>(data);
    std::size_t done = 0;
    while (done < allowed) {
        const ssize_t put = ::pwrite(fd_, in + done, allowed - done, static_cast<off_t>(offset + done));
        if (put < 0) {
            if (errno == EINTR)
                continue;
            throwErrno();
        }
        done += static_cast<std::size_t>(put);
    }
    if (allowed < n)
        throw IoError(g_faults.failCode);
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

void writeTextFile(const std::string& path, const std::string& content)
{
    // Written beside the file and renamed over it, so a failed save leaves
    // the old contents whole.
    const std::string temporary = path + ".tmp";
    try {
        DataFile f(temporary, DataFile::Mode::Create);
        f.writeAt(0, content.data(), content.size());
    } catch (const IoError&) {
        std::remove(temporary.c_str());
        throw;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int err = errno;
        std::remove(temporary.c_str());
        throw IoError::fromErrno(err);
    }
}
