// Linked into every user-interface test program: a message box that comes
// while no test environment scripts the boxes fails the running test
// instead of waiting offscreen for a click that never comes.
#include "desktop/widgets/ui_messages.h"

#include <QTest>

#include <string>

namespace {

class FailingMessages : public Messenger {
public:
    void inform(const std::string& text) override { fail(text); }
    bool confirm(const std::string& text, const std::string&) override { return fail(text), false; }

private:
    static void fail(const std::string& text)
    {
        QTest::qFail(("a message box outside any scripted test environment: " + text).c_str(), __FILE__, __LINE__);
    }
};

FailingMessages failing;
const bool installed = (UiMessages::install(&failing), true);

} // namespace
