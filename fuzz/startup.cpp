// Start-up over a ledger parameter file "Bank.Rdx" or a rates file
// "strycz.Rdx" as found; the first byte chooses which, the rest is the file.
// Start-up creates every other file it misses.
#include "app/startup.h"
#include "common/app_state.h"
#include "common/data_files.h"
#include "common/io_error.h"
#include "common/messages.h"
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
