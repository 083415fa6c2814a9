#include "exporter_arguments.h"

#include "core/common/data_files.h"
#include "core/common/file_io.h"
#include "core/common/utf8_path.h"
#include "core/records/nip_record.h"
#include "core/register/record_kind.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <string_view>

namespace {

const char* const kUsage = "Użycie: zgloszenia-pdf FORMULARZ KONTO PLIK.pdf [--pages LISTA] [--resolution DPI]"
                           " [--with-form]\n"
                           "  FORMULARZ     NIP-1, NIP-2, NIP-3, NIP-B, VAT-R, VAT-Z lub VAT-21\n"
                           "  KONTO         numer konta, pod którym zapisano formularz\n"
                           "  PLIK.pdf      plik wynikowy: jedna strona na każdy drukowany arkusz\n"
                           "  --pages       numery pól stron okna wydruku (1-6) rozdzielone przecinkami;\n"
                           "                domyślnie wszystkie dostępne strony\n"
                           "  --resolution  rozdzielczość w punktach na cal, 72-9600 (domyślnie 1200)\n"
                           "  --with-form   cały formularz: dane na drukach z folderu druki, w dokładnej skali\n"
                           "Program działa w bieżącym katalogu z danymi.\n";

Failure usage(const std::string& message) { return {UsageError, message + "\n" + kUsage}; }

std::string upper(std::string_view text)
{
    std::string s(text);
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

std::optional<int> number(std::string_view text, int min, int max)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < min || value > max)
        return std::nullopt;
    return value;
}

std::optional<BoxTicks> boxList(std::string_view list)
{
    BoxTicks ticked{};
    while (true) {
        const std::size_t comma = list.find(',');
        const std::optional<int> box = number(list.substr(0, comma), 1, static_cast<int>(kPageBoxes));
        if (!box)
            return std::nullopt;
        ticked[static_cast<std::size_t>(*box - 1)] = true;
        if (comma == std::string_view::npos)
            return ticked;
        list.remove_prefix(comma + 1);
    }
}

} // namespace

std::variant<ExporterOptions, Failure> parseArguments(int argc, const char* const argv[])
{
    ExporterOptions options;
    std::vector<std::string_view> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--with-form") {
            options.withForm = true;
            continue;
        }
        if (arg != "--pages" && arg != "--resolution") {
            if (arg.starts_with("--"))
                return usage("Nieznana opcja: " + std::string(arg));
            positional.push_back(arg);
            continue;
        }
        if (i + 1 == argc)
            return usage("Brak wartości opcji " + std::string(arg));
        const std::string_view value = argv[++i];
        if (arg == "--pages") {
            options.pages = boxList(value);
            if (!options.pages)
                return usage("Niepoprawna lista stron: " + std::string(value));
        } else {
            const std::optional<int> dpi = number(value, kMinResolution, kMaxResolution);
            if (!dpi)
                return usage("Niepoprawna rozdzielczość: " + std::string(value));
            options.resolution = *dpi;
        }
    }
    if (positional.size() != 3)
        return usage("Podaj formularz, numer konta i plik wynikowy.");
    options.formName = upper(positional[0]);
    const auto form = std::find_if(
        printForms().begin(), printForms().end(), [&](const PrintForm& f) { return f.name == options.formName; });
    if (form == printForms().end())
        return usage("Nieznany formularz: " + std::string(positional[0]));
    options.kind = form->kind;
    options.account = positional[1];
    options.output = positional[2];
    return options;
}

bool isDataFile(const std::string& output)
{
    const std::string resolved = linkTarget(output);
    const std::size_t separator = resolved.find_last_of("/\\");
    const std::string extension = upper("." + std::string(kDataExtension));
    if (!upper(resolved).ends_with(extension))
        return false;
    std::error_code unknown;
    const std::string directory = separator == std::string::npos ? "." : resolved.substr(0, separator + 1);
    return std::filesystem::equivalent(utf8Path(directory), ".", unknown);
}

std::optional<std::vector<std::uint8_t>> storedRecord(const PrintForm& form, int account)
{
    const RecordKind& kind = kindAt(form.recordKind);
    const DataFile file(dataFileName(kind.baseName));
    if (account <= 0 || static_cast<std::uint64_t>(account) >= file.size() / kind.recordSize)
        return std::nullopt;
    std::vector<std::uint8_t> record(kind.recordSize);
    file.readAt(static_cast<std::uint64_t>(account) * kind.recordSize, record.data(), record.size());
    const std::string accountText = getStr(record, nip::account_no);
    if (accountText.empty() || accountText == kBlankAccount)
        return std::nullopt;
    if (form.recordKind == KindRejfor && getU8(record, nip::form_type) != static_cast<int>(form.kind))
        return std::nullopt;
    return record;
}

std::variant<BoxTicks, Failure> ticksFor(const ExporterOptions& options, ConstBytes record)
{
    const PageBoxes boxes = pageBoxes(options.kind, record);
    BoxTicks ticked{};
    for (std::size_t i = 0; i < kPageBoxes; ++i) {
        const bool offered = boxes[i].visible && boxes[i].enabled;
        if (options.pages && (*options.pages)[i] && !offered)
            return usage("Strony nr " + std::to_string(i + 1) + " nie można wydrukować dla tego formularza.");
        ticked[i] = offered && (!options.pages || (*options.pages)[i]);
    }
    return ticked;
}

