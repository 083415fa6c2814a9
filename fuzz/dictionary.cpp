// A word list as found: loaded, then a word added to it in alphabetical
// order, which compares every entry and writes the list back; reading it
// again must give the list as it is in memory.
#include "core/common/data_files.h"
#include "core/common/dictionary.h"
#include "core/common/io_error.h"
#include "input_directory.h"

#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string fileName = dataFileName("slkraj.");
    const InputDirectory dir;
    dir.write(fileName, data, size);
    std::vector<std::string> list;
    LoadDictionary(list, fileName);
    try {
        AddToDictionary(list, "\xA3\xF3" "d\x9F", fileName, true);
        std::vector<std::string> saved;
        LoadDictionary(saved, fileName);
        if (saved != list)
            std::abort();
    } catch (const IoError&) {
    }
    return 0;
}
