#pragma once
#include "common/ui_messages.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"

// What a user-interface test runs in: a fresh working directory and
// scripted message boxes in place of the real ones, both undone when the
// environment goes. Made in a test's init() and dropped in its cleanup().
template <class Messages = ScriptedMessages>
struct UiTestEnvironment {
    TempDir dir;
    Messages messages;

    UiTestEnvironment() { UiMessages::install(&messages); }
    ~UiTestEnvironment() { UiMessages::install(nullptr); }
    UiTestEnvironment(const UiTestEnvironment&) = delete;
    UiTestEnvironment& operator=(const UiTestEnvironment&) = delete;
};
