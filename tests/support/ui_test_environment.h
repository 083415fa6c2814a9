#pragma once
#include "desktop/widgets/ui_messages.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"

#include <QSettings>
#include <QTest>

#include <string>

// What a user-interface test runs in: a fresh working directory, which also
// keeps the program's settings (never the operator's own), and scripted
// message boxes. Made in a test's init() and dropped in its cleanup(), where
// it fails the test on a message box nothing expected.
template <class Messages = ScriptedMessages>
struct UiTestEnvironment {
    TempDir dir;
    Messages messages;

    UiTestEnvironment() : outside_(UiMessages::current())
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString((dir.path() / "ustawienia").string()));
        UiMessages::install(&messages);
    }
    ~UiTestEnvironment()
    {
        UiMessages::install(&outside_);
        if (const auto* unseen = messages.shown.firstUnseen())
            fail("a message box nothing expected: " + unseen->text);
        else if (messages.unscripted)
            fail("a prompt the script did not answer");
        else if (!messages.answers.empty())
            fail("a scripted answer no prompt used");
    }
    UiTestEnvironment(const UiTestEnvironment&) = delete;
    UiTestEnvironment& operator=(const UiTestEnvironment&) = delete;

private:
    Messenger& outside_;
    static void fail(const std::string& why) { QTest::qFail(why.c_str(), __FILE__, __LINE__); }
};
