#include "core/common/io_error.h"

#include <windows.h>

namespace {

struct WindowsErrorMapping {
    DWORD osError;
    int code;
};

// The run time's numbers for what Windows reports; a file another program
// holds or has locked is, to the operator, a file the program may not use.
constexpr WindowsErrorMapping kWindowsErrorMappings[] = {
    {ERROR_FILE_NOT_FOUND, IoError::FileNotFound},
    {ERROR_PATH_NOT_FOUND, IoError::PathNotFound},
    {ERROR_INVALID_DRIVE, IoError::PathNotFound},
    {ERROR_BAD_NETPATH, IoError::PathNotFound},
    {ERROR_BAD_PATHNAME, IoError::PathNotFound},
    {ERROR_INVALID_NAME, IoError::PathNotFound},
    {ERROR_DIRECTORY, IoError::PathNotFound},
    {ERROR_FILENAME_EXCED_RANGE, IoError::PathNotFound},
    {ERROR_TOO_MANY_OPEN_FILES, IoError::TooManyOpenFiles},
    {ERROR_ACCESS_DENIED, IoError::AccessDenied},
    {ERROR_WRITE_PROTECT, IoError::AccessDenied},
    {ERROR_SHARING_VIOLATION, IoError::AccessDenied},
    {ERROR_LOCK_VIOLATION, IoError::AccessDenied},
    {ERROR_DISK_FULL, IoError::DiskFull},
    {ERROR_HANDLE_DISK_FULL, IoError::DiskFull},
    {ERROR_FILE_TOO_LARGE, IoError::DiskFull},
};

} // namespace

IoError IoError::fromWindowsError(std::uint32_t osError, const std::string& where)
{
    for (const WindowsErrorMapping& m : kWindowsErrorMappings)
        if (m.osError == osError)
            return IoError(m.code, where);
    return IoError(DeviceFailure, where);
}
