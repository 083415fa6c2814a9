#include "core/print/blank_forms.h"

#include "core/common/file_io.h"
#include "core/print/blank_form_names.h"

#include <charconv>
#include <filesystem>

namespace {

constexpr std::string_view kPdfExtensions[] = {".pdf", ".PDF"};

std::string trimmedRight(std::string_view text)
{
    const std::size_t end = text.find_last_not_of(' ');
    return std::string(text.substr(0, end == std::string_view::npos ? 0 : end + 1));
}

int number(std::string_view text)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() ? value : 0;
}

// "NIP-D  2/2" is page 2 of the two-page form "NIP-D".
std::optional<BlankSource> wholeFormPage(std::string_view label)
{
    const std::size_t sheetAt = label.rfind(' ');
    const std::size_t slash = label.rfind('/');
    if (sheetAt == std::string_view::npos || slash == std::string_view::npos || slash < sheetAt)
        return std::nullopt;
    const int page = number(label.substr(sheetAt + 1, slash - sheetAt - 1));
    const int pages = number(label.substr(slash + 1));
    const std::string form = trimmedRight(label.substr(0, sheetAt));
    if (page < 1 || page > pages || form.empty())
        return std::nullopt;
    std::error_code ignored;
    for (std::string_view extension : kPdfExtensions) {
        const std::string path = std::string(kBlankFormFolder) + "/" + blankFormFileBase(form) + std::string(extension);
        if (std::filesystem::is_regular_file(path, ignored))
            return BlankSource{path, page - 1, pages};
    }
    return std::nullopt;
}

bool isPdfName(std::string_view path)
{
    for (std::string_view extension : kPdfExtensions)
        if (path.ends_with(extension))
            return true;
    return false;
}

} // namespace

std::optional<BlankSource> findBlank(std::string_view label)
{
    std::error_code ignored;
    for (const std::string& path : blankFormCandidates(label))
        if (std::filesystem::is_regular_file(path, ignored))
            return BlankSource{path, isPdfName(path) ? 0 : -1, 0};
    return wholeFormPage(label);
}

std::string blankFolderProblem()
{
    const std::string folder(kBlankFormFolder);
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(folder, error);
    if (!std::filesystem::exists(status))
        return {};
    if (!std::filesystem::is_directory(status))
        return "\"" + folder + "\" w katalogu danych nie jest folderem: druki formularzy nie zostaną użyte.";
    if (!folderReadable(folder))
        return "Nie można odczytać folderu \"" + folder + "\" z drukami formularzy: druki nie zostaną użyte.";
    return {};
}
