#include "console_arguments.h"

#ifdef _WIN32
#include "core/common/utf8_path.h"

#include <windows.h>
#include <shellapi.h>
#endif

ConsoleArguments::ConsoleArguments(int argc, char* argv[])
{
#ifdef _WIN32
    ::SetConsoleOutputCP(CP_UTF8);
    int n = 0;
    if (wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &n)) {
        for (int i = 0; i < n; ++i)
            texts_.push_back(utf8Text(std::filesystem::path(wide[i])));
        ::LocalFree(wide);
    }
    if (texts_.empty())
#endif
        texts_.assign(argv, argv + argc);
    for (const std::string& text : texts_)
        values_.push_back(text.c_str());
}
