#pragma once
#include "common/messages.h"

#include <QString>

#include <functional>

class QWidget;

// Every message box of the program goes through here. Tests install a
// scripted Messenger in place of the real boxes.
class UiMessages : public Messenger {
public:
    void inform(const std::string& text) override;
    bool confirm(const std::string& text, const std::string& caption) override;
    void error(const std::string& text) override;

    // The messenger in force: the real boxes unless a test installed another.
    static Messenger& current();
    static void install(Messenger* messenger);
};

QString fromRecordText(const std::string& cp1250);
std::string toRecordText(const QString& text);

// Runs one command of the user interface; an input/output error it raises is
// shown in the standard error box and the program goes on. False on error.
bool runGuarded(const std::function<void()>& command);
