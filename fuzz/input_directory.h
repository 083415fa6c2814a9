#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

// Every target reads its input as a data file of a private working
// directory. An InputDirectory makes a fresh one the working directory for
// one input, so no input sees a file another input or the program left;
// afterwards it goes back to the directory the fuzzer was started in, where
// the fuzzer reads and writes its corpus, and removes the fresh one. After
// a crash the directory stays with what the program wrote.
class InputDirectory {
public:
    InputDirectory();
    ~InputDirectory();
    InputDirectory(const InputDirectory&) = delete;
    InputDirectory& operator=(const InputDirectory&) = delete;

    // Writes `size` bytes of `data` as the file `name`.
    void write(const std::string& name, const std::uint8_t* data, std::size_t size) const;

private:
    std::filesystem::path started_;
    std::filesystem::path path_;
};
