#include "desktop/widgets/guarded_command.h"

#include "core/common/io_error.h"
#include "desktop/widgets/ui_messages.h"

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
