#include "core/app/office_identity.h"

#include "core/common/file_io.h"

std::array<std::string, 4> LoadOfficeIdentity()
{
    std::array<std::string, 4> lines;
    const auto text = readTextFile(kOfficeIdentityFile);
    if (!text)
        return lines;
    std::size_t at = 0;
    for (std::string& line : lines) {
        if (at >= text->size())
            break;
        std::size_t end = text->find('\n', at);
        if (end == std::string::npos)
            end = text->size();
        std::string l = text->substr(at, end - at);
        if (!l.empty() && l.back() == '\r')
            l.pop_back();
        line = l.substr(0, kOfficeLineWidth);
        at = end + 1;
    }
    return lines;
}

void SaveOfficeIdentity(const std::array<std::string, 4>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line.substr(0, kOfficeLineWidth) + "\r\n";
    writeTextFile(kOfficeIdentityFile, text);
}
