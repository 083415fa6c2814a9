// zgloszenia-demo DIR [--taxpayers N] [--mode 0|1|2]
// Fills DIR (created when missing) with fictional sample data for trying the
// program out.
#include "console_arguments.h"
#include "core/common/io_error.h"
#include "core/common/utf8_path.h"
#include "sample_ledger.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace {
int usage()
{
    std::fprintf(stderr, "Użycie: zgloszenia-demo KATALOG [--taxpayers N] [--mode 0|1|2]\n");
    return 2;
}

bool parseNumber(const char* text, long min, long max, long& out)
{
    char* end = nullptr;
    out = std::strtol(text, &end, 10);
    return end != text && *end == '\0' && out >= min && out <= max;
}

int run(int argc, const char* const argv[])
{
    if (argc < 2)
        return usage();
    long taxpayers = 200;
    long mode = 1;
    for (int i = 2; i < argc; ++i) {
        const std::string opt = argv[i];
        if (i + 1 >= argc)
            return usage();
        if (opt == "--taxpayers" && parseNumber(argv[i + 1], 1, 1000000, taxpayers))
            ++i;
        else if (opt == "--mode" && parseNumber(argv[i + 1], 0, 2, mode))
            ++i;
        else
            return usage();
    }
    std::error_code made;
    std::filesystem::create_directories(utf8Path(argv[1]), made);
    if (made) {
        std::fprintf(stderr, "Nie można utworzyć katalogu %s: %s\n", argv[1], made.message().c_str());
        return 4;
    }
    try {
        WriteSampleData(argv[1], static_cast<int>(taxpayers), static_cast<std::uint8_t>(mode));
    } catch (const IoError& e) {
        std::fprintf(stderr, "Błąd zapisu danych przykładowych: %s\n", e.what());
        return 4;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    const ConsoleArguments arguments(argc, argv);
    return run(arguments.count(), arguments.values());
}
