// The office identity file "biuro.Rdx" as found: read, and read again after
// saving what was read, which must give the same four lines.
#include "core/app/office_identity.h"
#include "core/common/io_error.h"
#include "input_directory.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const InputDirectory dir;
    dir.write(kOfficeIdentityFile, data, size);
    try {
        const auto lines = LoadOfficeIdentity();
        SaveOfficeIdentity(lines);
        if (LoadOfficeIdentity() != lines)
            std::abort();
    } catch (const IoError&) {
    }
    return 0;
}
