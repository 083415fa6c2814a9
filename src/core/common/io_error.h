#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>
#include <system_error>

// The input/output error of the run time: an error number and its standard
// text. Core file operations throw it; the user interface catches it at the
// edge of a command and shows the standard error box. The numbers are the
// run time's own, never the operating system's errno. The message is the
// run time's text followed by the file it concerns, when known:
// "Disk full: REJFOR.Rdx".
class IoError : public std::runtime_error {
public:
    static constexpr int FileNotFound = 2;
    static constexpr int PathNotFound = 3;
    static constexpr int TooManyOpenFiles = 4;
    static constexpr int AccessDenied = 5;
    // A device or medium that failed (a hardware read or write error) and
    // every other failure the run time has no number of its own for.
    static constexpr int DeviceFailure = 31;
    static constexpr int ReadBeyondEnd = 100;
    static constexpr int DiskFull = 101;
    static constexpr int InvalidNumber = 106;

    explicit IoError(int code, const std::string& where = {});
    // The error of an operating-system failure, given by its errno.
    static IoError fromErrno(int osError, const std::string& where = {});
#ifdef _WIN32
    // The same for a Windows error code (GetLastError).
    static IoError fromWindowsError(std::uint32_t osError, const std::string& where = {});
#endif
    // The same for a failure the standard library reports (std::filesystem).
    static IoError fromErrorCode(const std::error_code& error, const std::string& where = {});

    int code() const { return code_; }

    static std::string textFor(int code);

private:
    int code_;
};
