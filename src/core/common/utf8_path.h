#pragma once
#include <filesystem>
#include <string>
#include <string_view>

// The program keeps paths as UTF-8 text; std::filesystem takes and gives
// them through these, so that Polish letters reach Windows whole (its
// narrow paths are in the ANSI code page) and POSIX names keep their bytes.
inline std::filesystem::path utf8Path(std::string_view text)
{
    return std::filesystem::path(std::u8string_view(reinterpret_cast<const char8_t*>(text.data()), text.size()));
}

inline std::string utf8Text(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}
