#include "core/common/io_error.h"

#include <cerrno>

namespace {

struct ErrnoMapping {
    int osError;
    int code;
};

constexpr ErrnoMapping kErrnoMappings[] = {
    {ENOENT, IoError::FileNotFound},
    {ENOTDIR, IoError::PathNotFound},
    {ENAMETOOLONG, IoError::PathNotFound},
    {ELOOP, IoError::PathNotFound},
    {EMFILE, IoError::TooManyOpenFiles},
    {ENFILE, IoError::TooManyOpenFiles},
    {EACCES, IoError::AccessDenied},
    {EPERM, IoError::AccessDenied},
    {EROFS, IoError::AccessDenied},
    {EISDIR, IoError::AccessDenied},
    // Writing a file that was opened read-only: to the operator, a file the
    // program may not write.
    {EBADF, IoError::AccessDenied},
    {ENOSPC, IoError::DiskFull},
#ifdef EDQUOT
    {EDQUOT, IoError::DiskFull},
#endif
    {EFBIG, IoError::DiskFull},
};

} // namespace

IoError::IoError(int code, const std::string& where)
    : std::runtime_error(where.empty() ? textFor(code) : textFor(code) + ": " + where), code_(code)
{
}

IoError IoError::fromErrno(int osError, const std::string& where)
{
    for (const ErrnoMapping& m : kErrnoMappings)
        if (m.osError == osError)
            return IoError(m.code, where);
    return IoError(DeviceFailure, where);
}

IoError IoError::fromErrorCode(const std::error_code& error, const std::string& where)
{
#ifdef _WIN32
    if (error.category() == std::system_category())
        return fromWindowsError(static_cast<std::uint32_t>(error.value()), where);
#endif
    return fromErrno(error.value(), where);
}

std::string IoError::textFor(int code)
{
    switch (code) {
    case FileNotFound: return "File not found";
    case AccessDenied: return "File access denied";
    case ReadBeyondEnd: return "Read beyond end of file";
    case DiskFull: return "Disk full";
    default: return "I/O error " + std::to_string(code);
    }
}
