#include "core/print/blank_form_names.h"

namespace {

constexpr std::string_view kExtensions[] = {".png", ".jpg", ".jpeg", ".pdf", ".PNG", ".JPG", ".JPEG", ".PDF"};

bool safe(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

} // namespace

std::string blankFormFileBase(std::string_view label)
{
    const std::size_t sheetAt = label.rfind(' ');
    std::string name;
    for (std::size_t i = 0; i < label.size(); ++i) {
        const char c = label[i];
        if (c == ' ') {
            if (i == 0 || label[i - 1] != ' ')
                name += '_';
        } else if (c == '/' && sheetAt != std::string_view::npos && i > sheetAt) {
            name += 'z';
        } else {
            name += safe(c) ? c : '-';
        }
    }
    // A leading dot would hide the file; "." and ".." are no names at all.
    if (name.empty() || name.front() == '.')
        name.insert(0, "_");
    return name;
}

std::vector<std::string> blankFormCandidates(std::string_view label)
{
    const std::string base = std::string(kBlankFormFolder) + "/" + blankFormFileBase(label);
    std::vector<std::string> paths;
    for (std::string_view extension : kExtensions)
        paths.push_back(base + std::string(extension));
    return paths;
}
