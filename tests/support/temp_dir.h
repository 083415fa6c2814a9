#pragma once
#include "core/common/file_io.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

// A fresh temporary directory made the working directory for one test; the
// previous one is restored and the directory removed afterwards.
class TempDir {
public:
    TempDir() : previous_(std::filesystem::current_path())
    {
        std::random_device random;
        do // a name no other test has taken
            path_ = std::filesystem::temp_directory_path() / ("zgloszenia-test-" + std::to_string(random()));
        while (!std::filesystem::create_directory(path_));
        std::filesystem::current_path(path_);
        resetIoFaults();
    }
    ~TempDir()
    {
        resetIoFaults();
        std::filesystem::current_path(previous_);
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

inline std::vector<unsigned char> fileBytes(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::string& name, const std::vector<unsigned char>& bytes)
{
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
