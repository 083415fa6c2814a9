#include "common/guarded_command.h"

#include "common/io_error.h"
#include "common/ui_messages.h"

bool runGuarded(const std::function<void()>& command)
{
    try {
        command();
        return true;
    } catch (const IoError& e) {
        UiMessages::current().error(e.what());
        return false;
    }
}
