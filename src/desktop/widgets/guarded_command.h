#pragma once
#include <functional>

// Runs one command of the user interface; an input/output error it raises is
// shown in the standard error box and the program goes on. False on error.
bool runGuarded(const std::function<void()>& command);
