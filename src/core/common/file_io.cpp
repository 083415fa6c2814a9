#include "core/common/file_io.h"

#include "core/common/io_error.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

IoFaults g_faults;

[[noreturn]] void throwErrno(const std::string& path) { throw IoError::fromErrno(errno, path); }

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
// of the program on one directory never see half of each other's record:
// shared for reading, exclusive for writing. Open-file-description locks
// where the kernel has them (they do not vanish when another descriptor of
// the same file closes), classic record locks otherwise; both reach SMB and
// NFS shares. A file system without locks is worked on unlocked, as before.
// The same ranges map to LockFileEx on Windows.
class RangeLock {
public:
    enum class Kind { Shared, Exclusive };

    RangeLock(int fd, std::uint64_t offset, std::uint64_t length, Kind kind) : fd_(fd), offset_(offset), length_(length)
    {
        if (length_ == 0)
            return;
        locked_ = apply(kind == Kind::Shared ? F_RDLCK : F_WRLCK);
    }
    ~RangeLock()
    {
        if (locked_)
            (void)apply(F_UNLCK);
    }
    RangeLock(const RangeLock&) = delete;
    RangeLock& operator=(const RangeLock&) = delete;

private:
    bool apply(short type)
    {
        struct flock lock {};
        lock.l_type = type;
        lock.l_whence = SEEK_SET;
        lock.l_start = static_cast<off_t>(offset_);
        lock.l_len = static_cast<off_t>(length_);
        for (;;) {
#ifdef F_OFD_SETLKW
            if (::fcntl(fd_, F_OFD_SETLKW, &lock) == 0)
                return true;
            if (errno == EINVAL) {
                lock.l_pid = 0;
                if (::fcntl(fd_, F_SETLKW, &lock) == 0)
                    return true;
            }
#else
            if (::fcntl(fd_, F_SETLKW, &lock) == 0)
                return true;
#endif
            if (errno != EINTR)
                return false;
        }
    }

    int fd_;
    std::uint64_t offset_;
    std::uint64_t length_;
    bool locked_ = false;
};

} // namespace

IoFaults& ioFaults() { return g_faults; }
void resetIoFaults() { g_faults = IoFaults{}; }

DataFile::DataFile(const std::string& path, Mode mode) : path_(path)
{
    throwInjectedOpenFault(path);
    if (mode == Mode::Create && g_faults.readOnlyMedium)
        throw IoError(IoError::AccessDenied, path);
    const bool readOnly = mode == Mode::OpenExisting && (g_faults.readOnlyPath == path || g_faults.readOnlyMedium);
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
    const RangeLock lock(fd_, offset, n, RangeLock::Kind::Shared);
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
    const RangeLock lock(fd_, offset, n, RangeLock::Kind::Exclusive);
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

namespace {

// Where a chain of links ends, also when its last target does not exist.
std::string finalTarget(std::string path)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        std::string target(static_cast<std::size_t>(st.st_size) + 1, '\0');
        const ssize_t got = ::readlink(path.c_str(), target.data(), target.size());
        if (got < 0)
            return path;
        target.resize(static_cast<std::size_t>(got));
        const std::size_t slash = path.rfind('/');
        path = target.front() == '/' || slash == std::string::npos ? target : path.substr(0, slash + 1) + target;
    }
    return path;
}

// Links can be missing on a share: there the file is created exclusively
// and then filled under a lock over what is written; a copy reading it in
// the moment between the two finds it empty.
bool linksUnsupported(int err) { return err == EPERM || err == ENOTSUP || err == EOPNOTSUPP || err == ENOSYS || err == EXDEV; }

bool createLockedInPlace(const std::string& target, const std::string& path, const void* data, std::size_t size)
{
    const int fd = ::open(target.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (errno == EEXIST)
            return false;
        throwErrno(path);
    }
    ::close(fd);
    try {
        DataFile f(target);
        f.writeAt(0, data, size);
    } catch (const IoError& e) {
        std::remove(target.c_str());
        throw IoError(e.code(), path);
    }
    return true;
}

} // namespace

bool createNewFile(const std::string& path, const void* data, std::size_t size)
{
    throwInjectedOpenFault(path);
    const std::string target = finalTarget(path);
    const std::string temporary = target + "." + std::to_string(::getpid()) + ".new";
    try {
        DataFile f(temporary, DataFile::Mode::Create);
        f.writeAt(0, data, size);
    } catch (const IoError& e) {
        std::remove(temporary.c_str());
        throw IoError(e.code(), path);
    }
    const int linked = ::link(temporary.c_str(), target.c_str());
    const int err = errno;
    std::remove(temporary.c_str());
    if (linked == 0)
        return true;
    if (err == EEXIST)
        return false;
    if (linksUnsupported(err))
        return createLockedInPlace(target, path, data, size);
    throw IoError::fromErrno(err, path);
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
