#include "core/common/dictionary.h"

#include "core/common/file_io.h"
#include "core/common/polish_order.h"

#include <algorithm>

namespace {

// Splits at CR LF, LF or a lone CR; a line break at the very end adds no
// empty entry.
std::vector<std::string> splitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (end < text.size() && text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
    return lines;
}

} // namespace

void LoadDictionary(std::vector<std::string>& list, const std::string& fileName)
{
    if (const auto content = readTextFile(fileName))
        list = splitLines(*content);
}

void AddToDictionary(std::vector<std::string>& list, std::string_view text, const std::string& fileName,
                     bool sorted)
{
    if (text.empty() || std::find(list.begin(), list.end(), text) != list.end())
        return;
    const auto place = sorted ? std::find_if(list.begin(), list.end(),
                                             [text](const std::string& entry) { return !PolishLess(entry, text); })
                              : list.end();
    list.insert(place, std::string(text));
    std::string content;
    for (const std::string& entry : list)
        content += entry + "\r\n";
    writeTextFile(fileName, content);
}
