#pragma once
#include "core/common/messages.h"

// Every message box of the program goes through here. Tests install a
// scripted Messenger in place of the real boxes.
class UiMessages : public Messenger {
public:
    void inform(const std::string& text) override;
    bool confirm(const std::string& text, const std::string& caption) override;
    bool question(const std::string& text, const std::string& caption) override;
    void error(const std::string& text) override;

    // The messenger in force: the real boxes unless a test installed another.
    static Messenger& current();
    static void install(Messenger* messenger);
};
