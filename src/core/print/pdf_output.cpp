#include "core/print/pdf_output.h"

#include "core/common/file_io.h"
#include "core/common/io_error.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

// Every PDF ends with this mark within its last bytes.
constexpr std::string_view kEndMark = "%%EOF";
constexpr std::size_t kTailBytes = 32;

std::string directoryOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string temporaryDirectory()
{
    const char* dir = std::getenv("TMPDIR");
    return dir && *dir ? dir : "/tmp";
}

// A file closes its descriptor whatever happens.
struct Descriptor {
    int fd;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

PdfOutput::PdfOutput(const std::string& target) : target_(target), destination_(linkTarget(target))
{
    struct stat st {};
    const bool exists = ::stat(destination_.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode))
        throw IoError::fromErrno(EISDIR, target_);
    if (exists && S_ISREG(st.st_mode) && ((st.st_mode & 0222) == 0 || ::access(destination_.c_str(), W_OK) != 0))
        throw IoError(IoError::AccessDenied, target_);
    copyIntoTarget_ = exists && !S_ISREG(st.st_mode);
    const std::string dir = copyIntoTarget_ ? temporaryDirectory() : directoryOf(destination_);
    std::string pattern = dir + "/.zgloszenia-XXXXXX.pdf";
    const Descriptor created{::mkstemps(pattern.data(), 4)};
    if (created.fd < 0)
        throw IoError::fromErrno(errno, target_);
    temporary_ = pattern;
    // The finished file gets the mode a new file has, or the one the
    // replaced file had.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    (void)::fchmod(created.fd, exists && !copyIntoTarget_ ? st.st_mode & 07777 : 0666 & ~mask);
}

PdfOutput::~PdfOutput()
{
    if (!committed_ || copyIntoTarget_)
        ::unlink(temporary_.c_str());
}

void PdfOutput::checkWhole() const
{
    const Descriptor file{::open(temporary_.c_str(), O_RDONLY | O_CLOEXEC)};
    struct stat st {};
    char tail[kTailBytes] = {};
    bool whole = false;
    if (file.fd >= 0 && ::fstat(file.fd, &st) == 0 && ::fsync(file.fd) == 0) {
        const std::size_t size = static_cast<std::size_t>(st.st_size);
        const std::size_t n = size < kTailBytes ? size : kTailBytes;
        whole = ::pread(file.fd, tail, n, static_cast<off_t>(size - n)) == static_cast<ssize_t>(n)
            && std::string_view(tail, n).find(kEndMark) != std::string_view::npos;
    }
    if (whole)
        return;
    // The painter keeps the reason to itself: a full file system is the
    // usual one and can be told.
    struct statvfs fs {};
    const bool full = ::statvfs(directoryOf(temporary_).c_str(), &fs) == 0 && fs.f_bavail == 0;
    throw IoError(full ? IoError::DiskFull : IoError::DeviceFailure, target_);
}

void PdfOutput::copyIntoTarget() const
{
    const Descriptor in{::open(temporary_.c_str(), O_RDONLY | O_CLOEXEC)};
    const Descriptor out{::open(destination_.c_str(), O_WRONLY | O_CLOEXEC)};
    if (in.fd < 0 || out.fd < 0)
        throw IoError::fromErrno(errno, target_);
    char block[1 << 16];
    ssize_t got = 0;
    while ((got = ::read(in.fd, block, sizeof block)) > 0) {
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(out.fd, block + done, static_cast<std::size_t>(got - done));
            if (put < 0 && errno != EINTR)
                throw IoError::fromErrno(errno, target_);
            done += put > 0 ? put : 0;
        }
    }
    if (got < 0)
        throw IoError::fromErrno(errno, target_);
}

void PdfOutput::commit()
{
    checkWhole();
    if (copyIntoTarget_)
        copyIntoTarget();
    else if (::rename(temporary_.c_str(), destination_.c_str()) != 0)
        throw IoError::fromErrno(errno, target_);
    committed_ = true;
}
