#pragma once
#include <string>
#include <string_view>

// Every data file lies in the working directory and is named base name
// (ending in a point) + the common extension, e.g. "REJFOR." -> "REJFOR.Rdx".
inline constexpr std::string_view kDataExtension = "Rdx";
// The account text of a free record.
inline constexpr std::string_view kBlankAccount = "    ";

inline std::string dataFileName(std::string_view baseName)
{
    return std::string(baseName) + std::string(kDataExtension);
}
