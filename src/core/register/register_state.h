#pragma once
#include "core/common/record_access.h"
#include "core/register/record_kind.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The application-wide record buffers (one per kind) and the current account
// chosen by the last choosing dialog. Editors, the register operations and
// printing all work on these.
struct RegisterState {
    std::array<std::vector<std::uint8_t>, 5> buffers;
    std::string currentAccount; // account text, code page 1250, at most 8 characters
    int currentAccountNo = 0;

    RegisterState();
};

RegisterState& registerState();
Bytes recordBuffer(int kind);
// Sets the current account text (cut to 8 characters) and its number.
void setCurrentAccount(const std::string& text, int number);
