#include "input_directory.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace fs = std::filesystem;

namespace {

[[noreturn]] void fail(const char* what)
{
    std::perror(what);
    std::abort();
}

} // namespace

InputDirectory::InputDirectory() : started_(fs::current_path())
{
    std::string pattern = (fs::temp_directory_path() / "zgloszenia-fuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        fail("mkdtemp");
    path_ = pattern;
    fs::current_path(path_);
}

InputDirectory::~InputDirectory()
{
    fs::current_path(started_);
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

void InputDirectory::write(const std::string& name, const std::uint8_t* data, std::size_t size) const
{
    std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!out.flush())
        fail(name.c_str());
}

// A crashing input is written while the input's directory is the working
// directory; an absolute artifact prefix puts it where the fuzzer was
// started instead. A prefix given on the command line comes later and wins.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static std::string prefix = "-artifact_prefix=" + (fs::current_path() / "").string();
    static std::vector<char*> args;
    args.assign(*argv, *argv + *argc);
    args.insert(args.begin() + 1, prefix.data());
    args.push_back(nullptr);
    *argc += 1;
    *argv = args.data();
    return 0;
}
