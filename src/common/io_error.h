#pragma once
#include <stdexcept>
#include <string>

// The input/output error of the run time: an error number and its standard
// text. Core file operations throw it; the user interface catches it at the
// edge of a command and shows the standard error box.
class IoError : public std::runtime_error {
public:
    static constexpr int FileNotFound = 2;
    static constexpr int AccessDenied = 5;
    static constexpr int ReadBeyondEnd = 100;
    static constexpr int DiskFull = 101;
    static constexpr int InvalidNumber = 106;

    explicit IoError(int code);
    int code() const { return code_; }

    static std::string textFor(int code);

private:
    int code_;
};
