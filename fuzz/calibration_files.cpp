// A calibration file as found. The first byte chooses the file and whether
// it is read as margins, spacings or a spacing file's defaults; the rest is
// the file.
#include "core/common/io_error.h"
#include "core/print/calibration_files.h"
#include "input_directory.h"

#include <array>

namespace {

using namespace calibration;

const std::array<const CalibrationFile*, 6> kMarginFiles{&margnip1, &margnip2, &margnip3,
                                                         &margvatr, &margvatz, &marvat21};
const std::array<const CalibrationFile*, 6> kSpacingFiles{&odsnip1, &odsnip2, &odsnip3,
                                                          &odsvatr, &odsvatz, &odsv21};

void load(const InputDirectory& dir, std::uint8_t choice, const std::uint8_t* data, std::size_t size)
{
    const std::size_t file = choice % 6;
    switch (choice / 6 % 3) {
    case 0:
        dir.write(kMarginFiles[file]->fileName(), data, size);
        loadMargins(*kMarginFiles[file]);
        break;
    case 1:
        dir.write(kSpacingFiles[file]->fileName(), data, size);
        loadSpacings(*kSpacingFiles[file]);
        break;
    default:
        dir.write(kSpacingFiles[file]->defaultsFileName(), data, size);
        loadSpacingDefaults(*kSpacingFiles[file]);
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const InputDirectory dir;
    try {
        load(dir, data[0], data + 1, size - 1);
    } catch (const IoError&) {
    }
    return 0;
}
