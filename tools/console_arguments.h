#pragma once
#include <string>
#include <vector>

// A console tool's command line as UTF-8 text, the program's own encoding
// of names (Windows hands main() its arguments in the ANSI code page); on
// Windows the console is also set to show the tool's UTF-8 messages.
class ConsoleArguments {
public:
    ConsoleArguments(int argc, char* argv[]);

    int count() const { return static_cast<int>(values_.size()); }
    const char* const* values() const { return values_.data(); }

private:
    std::vector<std::string> texts_;
    std::vector<const char*> values_;
};
