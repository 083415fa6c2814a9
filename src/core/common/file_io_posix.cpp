#include "core/common/file_io.h"
#include "core/common/file_io_native.h"
#include "core/common/io_error.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void throwErrno(const std::string& path) { throw IoError::fromErrno(errno, path); }

int fd(native::Handle file) { return static_cast<int>(file); }

// Open-file-description locks where the kernel has them (they do not
// vanish when another descriptor of the same file closes), classic record
// locks otherwise; both reach SMB and NFS shares.
bool applyLock(int fd, std::uint64_t offset, std::uint64_t length, short type)
{
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = static_cast<off_t>(offset);
    lock.l_len = static_cast<off_t>(length);
    for (;;) {
#ifdef F_OFD_SETLKW
        if (::fcntl(fd, F_OFD_SETLKW, &lock) == 0)
            return true;
        if (errno == EINVAL) {
            lock.l_pid = 0;
            if (::fcntl(fd, F_SETLKW, &lock) == 0)
                return true;
        }
#else
        if (::fcntl(fd, F_SETLKW, &lock) == 0)
            return true;
#endif
        if (errno != EINTR)
            return false;
    }
}

// Links can be missing on a share: there the file is created exclusively
// and then filled under a lock over what is written; a copy reading it in
// the moment between the two finds it empty.
bool linksUnsupported(int err) { return err == EPERM || err == ENOTSUP || err == EOPNOTSUPP || err == ENOSYS || err == EXDEV; }

bool createLockedInPlace(const std::string& target, const std::string& path, const void* data, std::size_t size)
{
    if (!native::createEmpty(target, path))
        return false;
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

namespace native {

Handle open(const std::string& path, Access access)
{
    const int flags = access == Access::Create ? (O_RDWR | O_CREAT | O_TRUNC) : access == Access::ReadOnly ? O_RDONLY : O_RDWR;
    int file = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    if (file < 0 && access == Access::ReadWrite && (errno == EACCES || errno == EROFS))
        file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0)
        throwErrno(path);
    return file;
}

void close(Handle file) { ::close(fd(file)); }

std::uint64_t size(Handle file, const std::string& path)
{
    struct stat st {};
    if (::fstat(fd(file), &st) != 0)
        throwErrno(path);
    return static_cast<std::uint64_t>(st.st_size);
}

std::size_t read(Handle file, std::uint64_t offset, void* data, std::size_t n, const std::string& path)
{
    for (;;) {
        const ssize_t got = ::pread(fd(file), data, n, static_cast<off_t>(offset));
        if (got >= 0)
            return static_cast<std::size_t>(got);
        if (errno != EINTR)
            throwErrno(path);
    }
}

std::size_t write(Handle file, std::uint64_t offset, const void* data, std::size_t n, const std::string& path)
{
    for (;;) {
        const ssize_t put = ::pwrite(fd(file), data, n, static_cast<off_t>(offset));
        if (put >= 0)
            return static_cast<std::size_t>(put);
        if (errno != EINTR)
            throwErrno(path);
    }
}

void truncate(Handle file, std::uint64_t size) { (void)::ftruncate(fd(file), static_cast<off_t>(size)); }

void sync(Handle file, const std::string& path)
{
    if (::fsync(fd(file)) != 0)
        throwErrno(path);
}

bool lock(Handle file, std::uint64_t offset, std::uint64_t length, bool exclusive)
{
    return applyLock(fd(file), offset, length, exclusive ? F_WRLCK : F_RDLCK);
}

void unlock(Handle file, std::uint64_t offset, std::uint64_t length) { (void)applyLock(fd(file), offset, length, F_UNLCK); }

bool createEmpty(const std::string& file, const std::string& path)
{
    const int created = ::open(file.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (created < 0 && errno == EEXIST)
        return false;
    if (created < 0)
        throwErrno(path);
    ::close(created);
    return true;
}

std::string finalTarget(const std::string& link)
{
    std::string path = link;
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

unsigned long processId() { return static_cast<unsigned long>(::getpid()); }

bool placeNew(const std::string& temporary, const std::string& target, const std::string& path, const void* data,
              std::size_t size)
{
    // A hard link puts the file in place whole and fails when one is there.
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

void replace(const std::string& temporary, const std::string& target, const std::string& path)
{
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        const int err = errno;
        std::remove(temporary.c_str());
        throw IoError::fromErrno(err, path);
    }
}

void remove(const std::string& file) { std::remove(file.c_str()); }

} // namespace native

bool fileExists(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
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

bool isReadOnlyFile(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && ((st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0);
}

void copyFileMode(const std::string& from, const std::string& to)
{
    struct stat st {};
    if (::stat(from.c_str(), &st) != 0 || ::chmod(to.c_str(), st.st_mode & 07777) != 0)
        throwErrno(to);
}

void copyIntoFile(const std::string& from, const std::string& to)
{
    struct Descriptor {
        int fd;
        ~Descriptor()
        {
            if (fd >= 0)
                ::close(fd);
        }
    };
    const Descriptor in{::open(from.c_str(), O_RDONLY | O_CLOEXEC)};
    const Descriptor out{::open(to.c_str(), O_WRONLY | O_CLOEXEC)};
    if (in.fd < 0 || out.fd < 0)
        throwErrno(to);
    char block[1 << 16];
    ssize_t got = 0;
    while ((got = ::read(in.fd, block, sizeof block)) > 0) {
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(out.fd, block + done, static_cast<std::size_t>(got - done));
            if (put < 0 && errno != EINTR)
                throwErrno(to);
            done += put > 0 ? put : 0;
        }
    }
    if (got < 0)
        throwErrno(to);
}

bool folderReadable(const std::string& path) { return ::access(path.c_str(), R_OK | X_OK) == 0; }
