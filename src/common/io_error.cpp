#include "common/io_error.h"

IoError::IoError(int code) : std::runtime_error(textFor(code)), code_(code) {}

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
