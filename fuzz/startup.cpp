// Start-up over a ledger parameter file "Bank.Rdx" or a rates file
// "strycz.Rdx" as found; the first byte chooses which, the rest is the file.
// Start-up creates every other file it misses.
#include "core/app/startup.h"
#include "core/common/app_state.h"
#include "core/common/data_files.h"
#include "core/common/io_error.h"
#include "core/common/messages.h"
#include "input_directory.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const InputDirectory dir;
    appState() = AppState{};
    startupNotices() = StartupNotices{};
    dir.write(dataFileName(data[0] % 2 == 0 ? "Bank." : "strycz."), data + 1, size - 1);
    CollectingMessenger messages;
    try {
        inic(messages);
    } catch (const IoError&) {
    }
    return 0;
}
